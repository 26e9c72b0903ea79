#include "explorer/widgets/shell_toolbar.h"

#include "explorer/shell_toolbar_file.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

namespace tarnix {
namespace {

// The path of a button: kept in the action's data, the bytes as the file
// system names the folder.
std::string folderOf(const QAction* action)
{
    return action->data().toByteArray().toStdString();
}

QString displayName(const QByteArray& folder)
{
    const QString path = QFile::decodeName(folder);
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

}  // namespace

ShellToolbar::ShellToolbar(QWidget* parent) : QToolBar(parent)
{
    setObjectName("ShellToolbar1");
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    setAcceptDrops(true);
    // An empty bar still needs room to drop a folder on.
    setMinimumHeight(24);
    setToolTip("Drop folders here");
}

std::vector<std::string> ShellToolbar::folders() const
{
    std::vector<std::string> out;
    for (const QAction* action : actions())
        out.push_back(folderOf(action));
    return out;
}

void ShellToolbar::setFolders(const std::vector<std::string>& folders)
{
    removeAllButtons();
    for (const std::string& folder : folders)
        addFolder(folder);
}

void ShellToolbar::addFolder(const std::string& folder)
{
    for (const QAction* action : actions())
        if (folderOf(action) == folder)
            return;
    const QByteArray bytes = QByteArray::fromStdString(folder);
    QAction* action = addAction(style()->standardIcon(QStyle::SP_DirIcon), displayName(bytes));
    action->setData(bytes);
    action->setToolTip(QFile::decodeName(bytes));
    connect(action, &QAction::triggered, this, [this, folder] { emit folderChosen(folder); });
}

void ShellToolbar::LoadFromFile(const std::string& path)
{
    try {
        setFolders(ReadShellToolbarFile(path));
    } catch (const std::exception&) {
        // A first start has no file; a damaged one must not stop the start.
    }
}

void ShellToolbar::SaveToFile(const std::string& path) const
{
    WriteShellToolbarFile(path, folders());
}

std::vector<std::string> ShellToolbar::droppedFolders(const QMimeData& data)
{
    std::vector<std::string> found;
    for (const QUrl& url : data.urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).isDir())
            found.push_back(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
    }
    return found;
}

void ShellToolbar::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() && !droppedFolders(*event->mimeData()).empty())
        event->acceptProposedAction();
}

void ShellToolbar::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData() && !droppedFolders(*event->mimeData()).empty())
        event->acceptProposedAction();
}

void ShellToolbar::dropEvent(QDropEvent* event)
{
    if (!event->mimeData())
        return;
    for (const std::string& folder : droppedFolders(*event->mimeData()))
        addFolder(folder);
    event->acceptProposedAction();
}

void ShellToolbar::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.setObjectName("ShellToolbarMenu");
    QAction* button = actionAt(event->pos());
    QAction* remove = menu.addAction("Remove", this, [this, button] { removeButton(button); });
    remove->setObjectName("ShellToolbarRemove");
    remove->setEnabled(button != nullptr);
    QAction* removeAll = menu.addAction("Remove All", this, [this] { removeAllButtons(); });
    removeAll->setObjectName("ShellToolbarRemoveAll");
    removeAll->setEnabled(!actions().isEmpty());
    menu.exec(event->globalPos());
}

void ShellToolbar::removeButton(QAction* button)
{
    removeAction(button);
    delete button;
}

void ShellToolbar::removeAllButtons()
{
    for (QAction* button : actions())
        removeButton(button);
}

}  // namespace tarnix
