#include "explorer/widgets/explorer_file_list.h"

#include "common/text_encoding.h"
#include "common/widgets/deferred_error.h"
#include "explorer/widgets/explorer_icons.h"
#include "explorer/explorer_reorder.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

#include <utility>

namespace tarnix {
namespace {

// The caption's bytes: a name that is not UTF-8 shows decoded but must
// reach the file system as it is.
constexpr int kNameRole = Qt::UserRole;
// The entry's number in the archive.
constexpr int kEntryRole = Qt::UserRole + 1;

constexpr const char* kNotCalculated = "not calculated";

QString shown(const std::string& bytes) { return QString::fromStdString(decodeProgramText(bytes)); }

// Grid lines, and the caption under the mouse underlined as on a hot-tracked list.
class ListItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(QColor(224, 224, 224));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == 0 && (option->state & QStyle::State_MouseOver))
            option->font.setUnderline(true);
    }
};

// The list as the drop reorders it.
class DropTarget : public ReorderableList {
public:
    explicit DropTarget(ExplorerFileList& list) : list_(list) {}
    int count() const override { return list_.topLevelItemCount(); }
    bool isSelected(int index) const override { return list_.topLevelItem(index)->isSelected(); }
    void MoveListItem(int fromIndex, int toIndex) override { list_.MoveListItem(fromIndex, toIndex); }

private:
    ExplorerFileList& list_;
};

}  // namespace

ExplorerFileList::ExplorerFileList(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName("lvFiles");
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new ListItemDelegate(this));
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    setPalette(colors);

    setHeaderLabels({"Name", "Date", "Size", "Description", "Program Time", "Lines"});
    int column = 0;
    for (int width : {350, 70, 70, 250, 150, 100})
        setColumnWidth(column++, width);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int clicked) { guarded([&] { lvFilesColumnClick(clicked); }); });

    // Dropping reorders; the list never takes items from elsewhere.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);

    buildPopupMenu();
}

void ExplorerFileList::buildPopupMenu()
{
    lvFilesPopUp_ = new QMenu(this);
    lvFilesPopUp_->setObjectName("lvFilesPopUp");
    // The commands behind the disabled items come with merging and the
    // transformations.
    auto add = [this](const char* name, const char* caption, const QIcon& image = QIcon()) {
        QAction* action = lvFilesPopUp_->addAction(image, caption);
        action->setObjectName(name);
        action->setEnabled(false);
        return action;
    };
    auto command = [this, add](const char* name, const char* caption, const QIcon& image,
                               std::function<void()>& hook) {
        QAction* action = add(name, caption, image);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [&hook] {
            if (hook)
                guarded(hook);
        });
    };
    command("GetInfoSelected1", "Get Info selected", getInfoIcon(), onGetInfoSelected);
    command("Timeselected", "Time selected", timeSelectedIcon(), onTimeSelected);
    command("pmnMakeReport", "Report", reportIcon(), onMakeReport);
    lvFilesPopUp_->addSeparator()->setObjectName("N4");
    command("Showmarked1", "Show marked", showMarkedIcon(), onShowMarked);
    lvFilesPopUp_->addSeparator()->setObjectName("N5");
    QAction* mergeMarked = add("MergeSelected1", "Merge marked", mergeMarkedIcon());
    mergeMarked->setEnabled(true);
    connect(mergeMarked, &QAction::triggered, this, [this] {
        if (onMergeMarked)
            guarded(onMergeMarked);
    });
    add("popTransformMarked", "Transform marked");
}

QTreeWidgetItem* ExplorerFileList::newItem(const std::string& name, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled);
    item->setCheckState(NameColumn, Qt::Unchecked);
    item->setText(NameColumn, shown(name));
    item->setData(NameColumn, kNameRole, QByteArray::fromStdString(name));
    item->setIcon(NameColumn, icon);
    return item;
}

void ExplorerFileList::addFolderFile(const FolderFile& file, const ListDateFormat& dates)
{
    QTreeWidgetItem* item = newItem(file.name, file.isArchive ? archiveFileIcon() : programFileIcon());
    item->setText(DateColumn, QString::fromStdString(formatListDate(file.modified, dates)));
    item->setText(SizeColumn, QString::number(file.size));
    item->setText(DescriptionColumn, QString::fromStdString(file.description));
    item->setText(ProgramTimeColumn, kNotCalculated);
    item->setText(LinesColumn, kNotCalculated);
    addTopLevelItem(item);
}

void ExplorerFileList::addZipEntry(const ZipListRow& row)
{
    QTreeWidgetItem* item = newItem(row.name, programFileIcon());
    item->setData(NameColumn, kEntryRole, row.index);
    item->setText(DateColumn, QString::fromStdString(row.date));
    item->setText(SizeColumn, QString::fromStdString(row.size));
    item->setText(DescriptionColumn, shown(row.comment));
    item->setText(ProgramTimeColumn, kNotCalculated);
    item->setText(LinesColumn, kNotCalculated);
    addTopLevelItem(item);
}

std::string ExplorerFileList::itemName(const QTreeWidgetItem* item)
{
    return item->data(NameColumn, kNameRole).toByteArray().toStdString();
}

QTreeWidgetItem* ExplorerFileList::firstSelectedItem() const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isSelected())
            return topLevelItem(i);
    return nullptr;
}

std::vector<std::string> ExplorerFileList::namesWhere(const std::function<bool(const QTreeWidgetItem*)>& test) const
{
    std::vector<std::string> names;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (test(topLevelItem(i)))
            names.push_back(itemName(topLevelItem(i)));
    return names;
}

std::vector<std::string> ExplorerFileList::selectedNames() const
{
    return namesWhere([](const QTreeWidgetItem* item) { return item->isSelected(); });
}

std::vector<std::string> ExplorerFileList::checkedNames() const
{
    return namesWhere([](const QTreeWidgetItem* item) { return item->checkState(NameColumn) == Qt::Checked; });
}

void ExplorerFileList::checkSelected(bool checked)
{
    for (QTreeWidgetItem* item : selectedItems())
        item->setCheckState(NameColumn, checked ? Qt::Checked : Qt::Unchecked);
}

void ExplorerFileList::invertSelectedMarksExceptCurrent()
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        if (item->isSelected() && item != currentItem())
            item->setCheckState(NameColumn, item->checkState(NameColumn) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void ExplorerFileList::lvFilesColumnClick(int column)
{
    sortState_.lvFilesColumnClick(column);
    sortOnce();
}

void ExplorerFileList::sortOnce()
{
    std::vector<ListRow> rows;
    rows.reserve(static_cast<std::size_t>(topLevelItemCount()));
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = topLevelItem(i);
        ListRow row{item->text(NameColumn).toStdString(), {}};
        for (int cell = 0; cell < 5; ++cell)
            row.subItems[static_cast<std::size_t>(cell)] = item->text(DateColumn + cell).toStdString();
        rows.push_back(std::move(row));
    }
    const std::vector<std::size_t> order = lvFilesSortOrder(rows, sortState_, dates_);

    const QList<QTreeWidgetItem*> selected = selectedItems();
    QTreeWidgetItem* current = currentItem();
    const QList<QTreeWidgetItem*> items = invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> sorted;
    for (std::size_t i : order)
        sorted.append(items[static_cast<qsizetype>(i)]);
    addTopLevelItems(sorted);
    if (current != nullptr)
        setCurrentItem(current, NameColumn, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
}

void ExplorerFileList::lvFilesDragDrop(QObject* source, const QPoint& position)
{
    if (qobject_cast<ExplorerFileList*>(source) == nullptr)
        return;
    QTreeWidgetItem* target = itemAt(position);
    if (target == nullptr)
        return;
    DropTarget list(*this);
    moveSelectedItemsTo(list, indexOfTopLevelItem(target));
}

void ExplorerFileList::MoveListItem(int fromIndex, int toIndex)
{
    QTreeWidgetItem* old = topLevelItem(fromIndex);
    if (fromIndex == toIndex || old == nullptr)
        return;
    // The image goes along: an archive must still look like one.
    QTreeWidgetItem* moved = newItem(itemName(old), old->icon(NameColumn));
    for (int column = NameColumn; column <= LinesColumn; ++column)
        moved->setText(column, old->text(column));
    moved->setCheckState(NameColumn, old->checkState(NameColumn));
    delete takeTopLevelItem(fromIndex);
    insertTopLevelItem(toIndex, moved);
}

void ExplorerFileList::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    const bool endsDoubleClick = std::exchange(releaseEndsDoubleClick_, false);
    if (event->button() == Qt::LeftButton && !endsDoubleClick && onClick)
        guarded(onClick);
    // A release where there is no item acts on nothing: the name last
    // clicked may belong to another folder or archive.
    if (onMouseUp && itemAt(event->position().toPoint()) != nullptr)
        guarded([&] { onMouseUp(event->button()); });
    // The menu follows the release, after the release's own handling.
    if (event->button() == Qt::RightButton)
        lvFilesPopUp_->exec(event->globalPosition().toPoint());
}

void ExplorerFileList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    releaseEndsDoubleClick_ = true;
    if (event->button() == Qt::LeftButton && onDoubleClick)
        guarded(onDoubleClick);
}

void ExplorerFileList::mouseMoveEvent(QMouseEvent* event)
{
    QTreeWidget::mouseMoveEvent(event);
    viewport()->setCursor(itemAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ExplorerFileList::keyPressEvent(QKeyEvent* event)
{
    // The list's own Space marks the current item, which it looks for in
    // the column last clicked; the mark sits in the first.
    if (event->key() == Qt::Key_Space && currentIndex().isValid())
        selectionModel()->setCurrentIndex(currentIndex().siblingAtColumn(NameColumn), QItemSelectionModel::NoUpdate);
    pressedKey_ = event->key();
    QTreeWidget::keyPressEvent(event);
}

void ExplorerFileList::keyReleaseEvent(QKeyEvent* event)
{
    QTreeWidget::keyReleaseEvent(event);
    // A held key counts once, when it is let go.
    if (event->isAutoRepeat() || event->key() != std::exchange(pressedKey_, 0) || !onKeyUp)
        return;
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    ListKey key;
    switch (event->key()) {
    case Qt::Key_Up: key = ListKey::Up; break;
    case Qt::Key_Down: key = ListKey::Down; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key = ListKey::Enter; break;
    case Qt::Key_Space: key = ListKey::Space; break;
    case Qt::Key_Plus:
        if (!keypad)
            return;
        key = ListKey::NumpadPlus;
        break;
    case Qt::Key_Minus:
        if (!keypad)
            return;
        key = ListKey::NumpadMinus;
        break;
    default: return;
    }
    guarded([&] { onKeyUp(key); });
}

void ExplorerFileList::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    // A right click opens the menu on its release (mouseReleaseEvent).
    if (event->reason() == QContextMenuEvent::Mouse)
        return;
    const QRect place = currentItem() ? visualItemRect(currentItem()) : QRect();
    lvFilesPopUp_->exec(viewport()->mapToGlobal(place.center()));
}

void ExplorerFileList::dragEnterEvent(QDragEnterEvent* event)
{
    setState(DraggingState);
    event->acceptProposedAction();
}

void ExplorerFileList::dragMoveEvent(QDragMoveEvent* event)
{
    QTreeWidget::dragMoveEvent(event);  // scrolls near the edges
    event->acceptProposedAction();
}

void ExplorerFileList::dropEvent(QDropEvent* event)
{
    lvFilesDragDrop(event->source(), event->position().toPoint());
    // Reported as a copy, so the drag's source removes nothing.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

}  // namespace tarnix
