#include "explorer/explorer_reorder.h"

namespace tarnix {

void moveSelectedItemsTo(ReorderableList& list, int target)
{
    // After a move index i holds the next item, so it is looked at again.
    for (int i = 0; i < list.count();) {
        if (list.isSelected(i) && i != target)
            list.MoveListItem(i, target);
        else
            ++i;
    }
}

}  // namespace tarnix
