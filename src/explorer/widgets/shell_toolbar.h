#pragma once
// The shell shortcut toolbar `ShellToolbar1` on the Explorer page: one
// button per folder the user dropped on it; a click browses to the folder.
// Its context menu removes a button or all of them. The buttons are kept
// in "shellTB.ini" between runs.

#include <QToolBar>

class QMimeData;

#include <string>
#include <vector>

namespace tarnix {

class ShellToolbar : public QToolBar {
    Q_OBJECT

public:
    explicit ShellToolbar(QWidget* parent = nullptr);

    std::vector<std::string> folders() const;
    void setFolders(const std::vector<std::string>& folders);
    // Adds a button for `folder` unless it has one.
    void addFolder(const std::string& folder);

    // A file that is missing or cannot be read leaves the buttons as they are.
    void LoadFromFile(const std::string& path);
    // Throws InputOutputError when the file cannot be written.
    void SaveToFile(const std::string& path) const;

signals:
    void folderChosen(const std::string& folder);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void removeButton(QAction* button);
    void removeAllButtons();
    static std::vector<std::string> droppedFolders(const QMimeData& data);
};

}  // namespace tarnix
