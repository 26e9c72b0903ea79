#pragma once
// The Explorer's folder tree `Tree`: the folders of the whole file system,
// read as they are opened and watched for changes.

#include <QSet>
#include <QTreeView>

#include <string>

class QFileSystemModel;

namespace tarnix {

class ExplorerFolderTree : public QTreeView {
    Q_OBJECT

public:
    explicit ExplorerFolderTree(QWidget* parent = nullptr);

    // The selected folder as the file system names it (bytes); empty when
    // no folder is selected.
    std::string selectedFolderPath() const;

    // Selects the folder `path` and scrolls it into view; a changed
    // selection announces itself. Throws InputOutputError when there is no
    // such folder or it cannot be read.
    void BrowseTo(const std::string& path);

    // Reads the folders again, keeping the opened folders and the
    // selection; announces nothing.
    void RefreshTree();

signals:
    // The user or BrowseTo selected another folder.
    void folderChanged();

private:
    void attachModel();

    QFileSystemModel* model_ = nullptr;
    QSet<QString> expandedFolders_;
    bool rebuilding_ = false;
    // The folder just browsed to, scrolled into view again once its parent
    // has been read (folders are read in the background).
    QString pendingScroll_;
};

}  // namespace tarnix
