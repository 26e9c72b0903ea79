#include "explorer/widgets/explorer.h"

#include "common/widgets/deferred_error.h"
#include "explorer/widgets/explorer_drive_bar.h"
#include "explorer/explorer_folder_listing.h"
#include "explorer/widgets/explorer_folder_panel.h"
#include "explorer/widgets/explorer_folder_tree.h"
#include "explorer/widgets/shell_toolbar.h"
#include "explorer/explorer_names.h"
#include "explorer/explorer_zip_listing.h"
#include "zip/zip_exception.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace tarnix {
namespace {

std::string unzipLibraryMissing(const std::string&, bool&, const std::string&)
{
    throw ZipException("Unable to load \"UnzfDll.dll\".");
}

ListDateFormat localeDates()
{
    const QLocale locale = QLocale::system();
    return ListDateFormat::fromPatterns(locale.dateFormat(QLocale::ShortFormat).toStdString(),
                                        locale.timeFormat(QLocale::LongFormat).toStdString());
}

// Restores painting however the refill ends.
class UpdateLock {
public:
    explicit UpdateLock(QWidget& widget) : widget_(widget) { widget_.setUpdatesEnabled(false); }
    ~UpdateLock() { widget_.setUpdatesEnabled(true); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

private:
    QWidget& widget_;
};

}  // namespace

Explorer::Explorer(ExplorerFolderPanel& folders, ExplorerFileList& files, ProgramLocation& location,
                   InterpreterContext& context, const TFileMasks& masks, ExplorerHooks hooks, QWidget* window)
    : ZipEntryClick(unzipLibraryMissing),
      folders_(folders),
      lvFiles(files),
      location_(location),
      context_(context),
      masks_(masks),
      hooks_(std::move(hooks)),
      folderDates_(localeDates()),
      prompt_(window)
{
    FZip.OnContentsChanged = [this](TsZip&) { ZipListChanged(); };
    lvFiles.setDateFormat(folderDates_);

    ExplorerFolderTree& tree = folders_.Tree();
    connect(&tree, &ExplorerFolderTree::folderChanged, this, [this] { guarded([this] { TreeChange(); }); });
    connect(&folders_.DriveToolbar1(), &ExplorerDriveBar::driveChosen, this,
            [this](const QString& root) { guarded([&] { browseTo(QFile::encodeName(root).toStdString()); }); });
    connect(&folders_.ShellToolbar1(), &ShellToolbar::folderChosen, this,
            [this](const std::string& folder) { guarded([&] { browseTo(folder); }); });
    connect(&folders_.upButton(), &QToolButton::clicked, this, [this] { guarded([this] { sbtnUpDirClick(); }); });
    connect(&folders_.refreshButton(), &QToolButton::clicked, this,
            [this] { guarded([this] { sbtnRefreshClick(); }); });

    lvFiles.onClick = [this] { lvFilesClick(); };
    lvFiles.onMouseUp = [this](Qt::MouseButton) { lvFilesMouseUp(); };
    lvFiles.onKeyUp = [this](ListKey key) { lvFilesKeyUp(key); };
    lvFiles.onDoubleClick = [this] { lvFilesDblClick(); };
    lvFiles.onShowMarked = [this] { Showmarked1Click(); };
}

Explorer::~Explorer()
{
    lvFiles.onClick = nullptr;
    lvFiles.onMouseUp = nullptr;
    lvFiles.onKeyUp = nullptr;
    lvFiles.onDoubleClick = nullptr;
    lvFiles.onShowMarked = nullptr;
}

void Explorer::browseTo(const std::string& folder)
{
    folders_.Tree().BrowseTo(folder);
}

void Explorer::selectListItem(const std::string& name)
{
    for (int i = 0; i < lvFiles.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvFiles.topLevelItem(i);
        if (ExplorerFileList::itemName(item) != name)
            continue;
        item->setSelected(true);
        lvFiles.scrollToItem(item, QAbstractItemView::PositionAtTop);
    }
}

void Explorer::TreeChange()
{
    std::string folder = folders_.Tree().selectedFolderPath();
    if (folder.empty())
        return;
    if (!folder.ends_with('/'))
        folder += '/';
    location_.FCurrentFolder = folder;
    ++treeListings_;
    ++archiveListings_;
    QCoreApplication::processEvents();  // the tree shows its new selection before the folder is read
    lvFiles.clear();
    FZipOpen = false;
    location_.FZipExtracted = false;
    GetFolderFiles();
}

void Explorer::showWrittenFiles(const std::vector<std::string>& paths)
{
    namespace fs = std::filesystem;
    if (FZipOpen || location_.FCurrentFolder.empty())
        return;
    auto listed = [this](const std::string& path) {
        std::error_code error;
        return fs::equivalent(fs::absolute(path, error).parent_path(), location_.FCurrentFolder, error);
    };
    if (std::none_of(paths.begin(), paths.end(), listed))
        return;
    lvFiles.clear();
    GetFolderFiles();
    if (paths.size() == 1)
        selectListItem(fs::path(paths.front()).filename().string());
}

void Explorer::GetFolderFiles()
{
    lvFiles.setDateFormat(folderDates_);
    listFolderFiles(location_.FCurrentFolder, masks_,
                    [this](const FolderFile& file) { lvFiles.addFolderFile(file, folderDates_); });
}

void Explorer::ZipListChanged()
{
    RefreshListview();
}

void Explorer::RefreshListview()
{
    UpdateLock lock(lvFiles);
    lvFiles.clear();
    for (const ZipListRow& row : zipListingRows(FZip, masks_))
        lvFiles.addZipEntry(row);
    lvFiles.setDateFormat(ListDateFormat::archive());
    // A cell the sort cannot read leaves the entries unsorted; the archive
    // is open all the same.
    guarded([this] { lvFiles.sortOnce(); });
}

void Explorer::lvFilesMouseUp()
{
    const bool quickViewPending = std::exchange(quickViewAfterExtraction_, false);
    // With nothing selected (a Ctrl click took the last item out) the name
    // last clicked may be another folder's: opening it would create it.
    const QTreeWidgetItem* item = lvFiles.firstSelectedItem();
    if (item == nullptr)
        return;
    location_.FSelectedFile = ExplorerFileList::itemName(item);
    std::string path;
    if (FZipOpen) {
        const std::optional<std::string> entry = extractOpenArchive();
        if (!entry)
            return;
        path = *entry;
        if (quickViewPending)
            quickView(path);
    } else {
        path = location_.FCurrentFolder + location_.FSelectedFile;
    }
    if (hasZipExtension(path)) {
        FZip.SetZipFileName(path);
        ++archiveListings_;
        FZipOpen = true;
        location_.FZipExtracted = false;
        FUpFolder = folders_.Tree().selectedFolderPath();
    } else {
        hooks_.setProgramFileName(path);
    }
}

std::optional<std::string> Explorer::extractOpenArchive()
{
    const int listing = archiveListings_;
    bool extracted = location_.FZipExtracted;
    std::string path = ZipEntryClick(location_.extractionFolder, extracted, location_.FSelectedFile);
    if (listing != archiveListings_)
        return std::nullopt;
    location_.FZipExtracted = extracted;
    return path;
}

void Explorer::sbtnUpDirClick()
{
    if (FUpFolder.empty())
        return;
    lvFiles.clear();
    // When the tree's selection moved since the archive was opened, going
    // back selects the folder again and that lists it.
    const int listings = treeListings_;
    folders_.Tree().BrowseTo(FUpFolder);
    if (treeListings_ == listings)
        GetFolderFiles();
    FUpFolder.clear();
    ++archiveListings_;
    FZipOpen = false;
    location_.FZipExtracted = false;
    refreshTreeAndDrives();
}

void Explorer::sbtnRefreshClick()
{
    refreshTreeAndDrives();
    // The refreshed tree lists its folder again, with what was written into
    // it since; an open archive is not the tree's folder and stays.
    if (!FZipOpen)
        TreeChange();
}

void Explorer::refreshTreeAndDrives()
{
    folders_.Tree().RefreshTree();
    folders_.DriveToolbar1().Refresh();
}

void Explorer::PageControl1Change(int index)
{
    if (index == 0)
        folders_.Tree().RefreshTree();
}

}  // namespace tarnix
