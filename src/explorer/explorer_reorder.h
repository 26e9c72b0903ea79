#pragma once
// Reordering the Explorer list by dragging: the selected items move onto
// the item they are dropped on, one at a time.

namespace tarnix {

// The list as the drop sees it.
class ReorderableList {
public:
    virtual ~ReorderableList() = default;
    virtual int count() const = 0;
    virtual bool isSelected(int index) const = 0;
    // Moves item `fromIndex` to `toIndex` (nothing when they are equal). The
    // moved item must come out unselected: the drop relies on every move
    // lowering the number of selected items.
    virtual void MoveListItem(int fromIndex, int toIndex) = 0;
};

// Moves every selected item except the one at `target` to index `target`,
// in list order. Items from above land after the target item, items from
// below before it, and several items from above keep their order.
void moveSelectedItemsTo(ReorderableList& list, int target);

}  // namespace tarnix
