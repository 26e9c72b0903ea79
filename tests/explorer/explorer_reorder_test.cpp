// Dropping the selected items of the list onto one of its items.

#include "explorer/explorer_reorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnix {
namespace {

// A list of named items; a moved item is re-created unselected.
class NamedList : public ReorderableList {
public:
    explicit NamedList(std::string names) : names_(std::move(names)), selected_(names_.size(), false) {}

    void select(std::string which)
    {
        for (char name : which)
            selected_[names_.find(name)] = true;
    }
    const std::string& names() const { return names_; }

    int count() const override { return static_cast<int>(names_.size()); }
    bool isSelected(int index) const override { return selected_[static_cast<std::size_t>(index)]; }
    void MoveListItem(int from, int to) override
    {
        ++moves;
        if (from == to)
            return;
        const char name = names_[static_cast<std::size_t>(from)];
        names_.erase(static_cast<std::size_t>(from), 1);
        selected_.erase(selected_.begin() + from);
        names_.insert(static_cast<std::size_t>(to), 1, name);
        selected_.insert(selected_.begin() + to, false);
    }

    int moves = 0;

private:
    std::string names_;
    std::vector<bool> selected_;
};

TEST(DragReorder, ItemsFromAboveLandAfterTheTargetInTheirOrder)
{
    NamedList list("abcdef");
    list.select("ab");
    moveSelectedItemsTo(list, 4);
    EXPECT_EQ(list.names(), "cdeabf");
}

TEST(DragReorder, ItemsFromBelowLandBeforeTheTarget)
{
    NamedList list("abcdef");
    list.select("ef");
    moveSelectedItemsTo(list, 1);
    EXPECT_EQ(list.names(), "afebcd");
}

TEST(DragReorder, SelectedTargetMovesTooOnceAnItemAboveIsTakenOut)
{
    NamedList list("abcdef");
    list.select("bd");
    moveSelectedItemsTo(list, 3);
    // b lands on index 3 after d; d, now above index 3, follows it there.
    EXPECT_EQ(list.names(), "acbdef");
    EXPECT_EQ(list.moves, 2);
}

TEST(DragReorder, SelectedTargetAloneStays)
{
    NamedList list("abc");
    list.select("b");
    moveSelectedItemsTo(list, 1);
    EXPECT_EQ(list.names(), "abc");
    EXPECT_EQ(list.moves, 0);
}

TEST(DragReorder, NothingSelectedMovesNothing)
{
    NamedList list("abc");
    moveSelectedItemsTo(list, 1);
    EXPECT_EQ(list.names(), "abc");
    EXPECT_EQ(list.moves, 0);
}

}  // namespace
}  // namespace tarnix
