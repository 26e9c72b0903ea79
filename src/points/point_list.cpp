#include "points/point_list.h"

#include <algorithm>

namespace tarnix {
namespace {

// Blocks grow from small (a short program stays small) to a size where the
// per-block cost vanishes.
constexpr std::size_t kFirstBlockSize = 64;
constexpr std::size_t kLargestBlockSize = 64 * 1024;

}  // namespace

TD3FloatPointList::TD3FloatPointList()
{
    static std::uint64_t nextSerial = 0;
    serial_ = ++nextSerial;
}

std::size_t TD3FloatPointList::blockCapacity(std::size_t index)
{
    return index >= 10 ? kLargestBlockSize : std::min(kFirstBlockSize << index, kLargestBlockSize);
}

TPathPoint* TD3FloatPointList::allocateRecord()
{
    if (blocks_.empty() || usedInLastBlock_ == blockCapacity(blocks_.size() - 1)) {
        blocks_.push_back(std::make_unique_for_overwrite<TPathPoint[]>(blockCapacity(blocks_.size())));
        usedInLastBlock_ = 0;
    }
    return &blocks_.back()[usedInLastBlock_++];
}

void TD3FloatPointList::Add(const GLColor& color, std::int32_t lineNo, long double x,
                            long double y, long double z, long double feed, bool rapid)
{
    TPathPoint* point = allocateRecord();
    *point = TPathPoint{x, y, z, {color[0], color[1], color[2]}, lineNo, feed, rapid, nullptr};
    if (first_ == nullptr)
        first_ = point;
    else
        last_->Next = point;
    last_ = point;
    ++count_;
}

void TD3FloatPointList::AddList(const TD3FloatPointList& other)
{
    const std::int32_t count = other.count_;
    const TPathPoint* point = other.first_;
    for (std::int32_t i = 0; i < count; ++i, point = point->Next)
        Add({point->Color[0], point->Color[1], point->Color[2]}, point->LineNo, point->X, point->Y, point->Z, point->Feed, point->Rapid);
}

std::size_t TD3FloatPointList::reservedBytes() const
{
    std::size_t records = 0;
    for (std::size_t index = 0; index < blocks_.size(); ++index)
        records += blockCapacity(index);
    return records * sizeof(TPathPoint);
}

}  // namespace tarnix
