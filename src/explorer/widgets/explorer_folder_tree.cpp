#include "explorer/widgets/explorer_folder_tree.h"

#include "common/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>

#include <utility>

namespace tarnix {

ExplorerFolderTree::ExplorerFolderTree(QWidget* parent) : QTreeView(parent)
{
    setObjectName("Tree");
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (!rebuilding_)
            expandedFolders_.insert(model_->filePath(index));
    });
    connect(this, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { expandedFolders_.remove(model_->filePath(index)); });
    attachModel();
}

void ExplorerFolderTree::attachModel()
{
    QFileSystemModel* old = model_;
    QItemSelectionModel* oldSelection = selectionModel();
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& folder) {
        if (!pendingScroll_.isEmpty() && QFileInfo(pendingScroll_).absolutePath() == folder)
            scrollTo(model_->index(std::exchange(pendingScroll_, QString())));
    });
    setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        hideColumn(column);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        pendingScroll_.clear();
        if (!rebuilding_)
            emit folderChanged();
    });
    delete oldSelection;
    if (old != nullptr)
        old->deleteLater();
}

std::string ExplorerFolderTree::selectedFolderPath() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? QFile::encodeName(model_->filePath(current)).toStdString() : std::string();
}

void ExplorerFolderTree::BrowseTo(const std::string& path)
{
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    // A name that does not survive decoding names another folder, or none.
    const bool sameName = QFile::encodeName(name).toStdString() == path;
    const QFileInfo folder(name);
    const QModelIndex index =
        sameName && folder.isDir() && folder.isReadable() ? model_->index(folder.absoluteFilePath()) : QModelIndex();
    if (!index.isValid())
        throw InputOutputError("Cannot open the folder \"" + path + "\".");
    setCurrentIndex(index);
    scrollTo(index);
    pendingScroll_ = model_->filePath(index);
}

void ExplorerFolderTree::RefreshTree()
{
    const QString selected = currentIndex().isValid() ? model_->filePath(currentIndex()) : QString();
    rebuilding_ = true;
    attachModel();
    for (const QString& folder : QSet<QString>(expandedFolders_)) {
        const QModelIndex index = model_->index(folder);
        if (index.isValid())
            expand(index);
        else
            expandedFolders_.remove(folder);
    }
    if (!selected.isEmpty()) {
        const QModelIndex index = model_->index(selected);
        setCurrentIndex(index);
        scrollTo(index);
        pendingScroll_ = selected;
    }
    rebuilding_ = false;
}

}  // namespace tarnix
