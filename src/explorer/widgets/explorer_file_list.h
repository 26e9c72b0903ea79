#pragma once
// The Explorer's file list `lvFiles`: the programs of a folder or the
// entries of an archive, with check boxes ("marked"), several selected at
// once, sorting by a header click and reordering by dragging. What a click,
// a key or the pop-up menu does is the window's: the list calls its hooks.

#include "explorer/explorer_date_time.h"
#include "explorer/explorer_folder_listing.h"
#include "explorer/explorer_sort.h"
#include "explorer/explorer_zip_listing.h"

#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

class QMenu;

namespace tarnix {

// The keys the list acts on, after it has handled them itself.
enum class ListKey { Up, Down, Enter, Space, NumpadPlus, NumpadMinus };

class ExplorerFileList : public QTreeWidget {
    Q_OBJECT

public:
    enum Column { NameColumn, DateColumn, SizeColumn, DescriptionColumn, ProgramTimeColumn, LinesColumn };

    explicit ExplorerFileList(QWidget* parent = nullptr);

    void addFolderFile(const FolderFile& file, const ListDateFormat& dates);
    void addZipEntry(const ZipListRow& row);

    // The name the file system or the archive holds for the item: its
    // caption as bytes, which need not be UTF-8.
    static std::string itemName(const QTreeWidgetItem* item);
    // The first selected item in list order, or null.
    QTreeWidgetItem* firstSelectedItem() const;
    // Names of the selected (or checked) items in list order.
    std::vector<std::string> selectedNames() const;
    std::vector<std::string> checkedNames() const;

    // Numpad plus and minus: mark or unmark every selected item.
    void checkSelected(bool checked);
    // Space: the list inverts the current item's mark itself; this inverts
    // the other selected items' marks.
    void invertSelectedMarksExceptCurrent();

    // How dates in the Date column are read back when sorting.
    void setDateFormat(const ListDateFormat& format) { dates_ = format; }
    const ListSortState& sortState() const { return sortState_; }
    // A header click: picks the key and direction, then sorts once.
    void lvFilesColumnClick(int column);
    // Sorts the items once by the current key. Throws ConversionError (the
    // items then keep their order).
    void sortOnce();

    // Moves the selected items onto the item at `position` when `source` is
    // this kind of list; items dropped elsewhere stay.
    void lvFilesDragDrop(QObject* source, const QPoint& position);
    // Re-creates item `fromIndex` at `toIndex` with its caption, cells, mark
    // and image; it comes out unselected and without its entry number.
    void MoveListItem(int fromIndex, int toIndex);

    QMenu* popupMenu() const { return lvFilesPopUp_; }

    // The window's handlers.
    std::function<void()> onClick;
    std::function<void(Qt::MouseButton)> onMouseUp;
    std::function<void(ListKey)> onKeyUp;
    std::function<void()> onDoubleClick;
    std::function<void()> onShowMarked;
    std::function<void()> onGetInfoSelected;
    std::function<void()> onTimeSelected;
    std::function<void()> onMakeReport;
    std::function<void()> onMergeMarked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildPopupMenu();
    QTreeWidgetItem* newItem(const std::string& name, const QIcon& icon);
    std::vector<std::string> namesWhere(const std::function<bool(const QTreeWidgetItem*)>& test) const;

    QMenu* lvFilesPopUp_ = nullptr;
    ListSortState sortState_;
    ListDateFormat dates_;
    // The release that ends a double click is no click of its own.
    bool releaseEndsDoubleClick_ = false;
    // A key counts only when it went down in the list: the release of the
    // Enter that closed a message box must not load programs.
    int pressedKey_ = 0;
};

}  // namespace tarnix
