#pragma once
// The Explorer page at work: lists the folder chosen in the tree or the
// entries of an opened archive, and turns clicks, keys and the pop-up menu
// of the list into program information in the log pane and drawn paths.
// It owns the archive component; the window lends it the program location
// and does the loading and drawing through its hooks.

#include "interpretation/interpreter_context.h"
#include "path/program_location.h"
#include "explorer/explorer_date_time.h"
#include "explorer/widgets/explorer_file_list.h"
#include "settings/file_masks.h"
#include "zip/zip_archive.h"
#include "zip/widgets/zip_disk_prompt_box.h"
#include "zip/widgets/zip_volumes_linux.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarnix {

class ExplorerFolderPanel;

// What the Explorer asks of the main window.
struct ExplorerHooks {
    std::function<void(const std::string& path)> setProgramFileName;  // edFileName
    std::function<void()> clearLog;                                   // Scroll
    std::function<void()> programKindChanged;  // the Config page follows the kind
    std::function<void(const std::string& path)> LoadTypeFile;
    std::function<void()> ClearPath;
    std::function<void()> MakePath;
    std::function<void()> RenderScene;
    std::function<void()> switchOffSmoothDrawAndDelay;
};

class Explorer : public QObject {
    Q_OBJECT

public:
    // The Explorer moves `location` as the user browses. Everything passed
    // in must outlive the Explorer.
    Explorer(ExplorerFolderPanel& folders, ExplorerFileList& lvFiles, ProgramLocation& location,
             InterpreterContext& context, const TFileMasks& masks, ExplorerHooks hooks, QWidget* window);
    ~Explorer() override;

    // The first click into an opened archive extracts it; gives the program
    // path of the clicked entry and sets `zipExtracted`. The unzip layer is
    // wired in here; until then the unzip library counts as missing.
    std::function<std::string(const std::string& tempDir, bool& zipExtracted, const std::string& selectedFile)>
        ZipEntryClick;

    TsZip& zip() { return FZip; }
    bool zipOpen() const { return FZipOpen; }

    // Start-up: shows `folder` in the tree, whose selection lists it.
    // Throws InputOutputError when the tree cannot reach the folder.
    void browseTo(const std::string& folder);
    // Start-up: selects the items named `name` and scrolls to them.
    void selectListItem(const std::string& name);

    // A transformation, a batch, a merge or an array wrote `paths`: when the
    // list shows their folder it lists it again, and selects the file of a
    // single output.
    void showWrittenFiles(const std::vector<std::string>& paths);

    // Listing.
    void TreeChange();
    void GetFolderFiles();
    void ZipListChanged();
    void RefreshListview();
    void lvFilesMouseUp();
    void sbtnUpDirClick();
    void sbtnRefreshClick();
    void PageControl1Change(int index);

    // List commands.
    void lvFilesClick();
    void lvFilesKeyUp(ListKey key);
    void lvFilesDblClick();
    void Showmarked1Click();

private:
    // The program path of a list item: in the extraction folder once the
    // open archive is extracted (folders of the entry dropped), else in the
    // current folder.
    std::string programPath(const std::string& itemName) const;
    // The first look into the open archive extracts it. Gives the path of
    // the entry `FSelectedFile` in the extraction folder; nullopt when the
    // user left the archive while the extraction let window events in: the
    // click then belongs to a list no longer shown.
    std::optional<std::string> extractOpenArchive();
    // True when the list shows a folder or an archive that is extracted,
    // extracting the open archive first when no click has yet; false when
    // its extraction failed or the user left it meanwhile.
    bool openArchiveExtracted();
    void refreshTreeAndDrives();
    void quickView(const std::string& path);
    void showProgramInfo(const std::string& path);
    // The log pane says why the chosen entry of the open archive has no file.
    void explainMissingEntry();
    // Loads and draws the programs into one path, each as soon as it is read.
    void drawPrograms(const std::vector<std::string>& itemNames);

    ExplorerFolderPanel& folders_;
    ExplorerFileList& lvFiles;
    ProgramLocation& location_;
    InterpreterContext& context_;
    const TFileMasks& masks_;
    ExplorerHooks hooks_;
    // Folder listings write dates as the user's locale does.
    ListDateFormat folderDates_;

    LinuxZipVolumes volumes_;
    MessageBoxDiskPrompt prompt_;
    TsZip FZip{volumes_, prompt_};
    bool FZipOpen = false;
    // A click on an entry of an archive not yet extracted: its file exists
    // only once the release's handling has extracted the archive.
    bool quickViewAfterExtraction_ = false;
    std::string FUpFolder;
    int treeListings_ = 0;
    // Counts the list's changes into and out of archives.
    int archiveListings_ = 0;
};

}  // namespace tarnix
