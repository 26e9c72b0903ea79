#include "points/point_list.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tarnix {
namespace {

// Blocks grow from small (a short program stays small) to a size where the
// per-block cost vanishes: 4 MiB, two huge pages.
constexpr std::size_t kFirstBlockSize = 64;
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kLargestBlockBytes = 2 * kHugePage;

long double getExtended(const unsigned char* from)
{
    long double value = 0;
    std::memcpy(&value, from, 10);
    return value;
}

}  // namespace

TD3FloatPointList::Cursor::Cursor(const TD3FloatPointList& list, std::size_t block)
    : list_(&list), block_(block)
{
    if (block_ < list.blocks_.size() && list.usedIn(block_) > 0) {
        record_ = list.blocks_[block_].get();
        blockEnd_ = record_ + list.usedIn(block_);
        load();
    }
}

void TD3FloatPointList::Cursor::load()
{
    point_ = unpack(*record_);
}

void TD3FloatPointList::Cursor::Next()
{
    if (record_ == nullptr)
        return;
    if (++record_ == blockEnd_)
        *this = Cursor(*list_, block_ + 1);
    else
        load();
}

TD3FloatPointList::TD3FloatPointList()
{
    static std::uint64_t nextSerial = 0;
    serial_ = ++nextSerial;
}

TD3FloatPointList::~TD3FloatPointList() = default;

std::size_t TD3FloatPointList::blockCapacity(std::size_t index)
{
    constexpr std::size_t kLargest = kLargestBlockBytes / sizeof(Record);
    return index >= 11 ? kLargest : std::min(kFirstBlockSize << index, kLargest);
}

void TD3FloatPointList::Release::operator()(Record* records) const
{
    std::free(records);
}

void TD3FloatPointList::startBlock()
{
    const std::size_t capacity = blockCapacity(blocks_.size());
    const std::size_t bytes = capacity * sizeof(Record);
    const bool huge = bytes >= kHugePage;
    const std::size_t alignment = huge ? kHugePage : alignof(std::max_align_t);
    const std::size_t rounded = (bytes + alignment - 1) / alignment * alignment;
    auto* records = static_cast<Record*>(std::aligned_alloc(alignment, rounded));
    if (records == nullptr)
        throw std::bad_alloc();
    if (huge)
        madvise(records, rounded, MADV_HUGEPAGE);  // a hint: without it, small pages
    blocks_.emplace_back(records);
    free_ = records;
    blockEnd_ = records + capacity;
}

std::size_t TD3FloatPointList::usedIn(std::size_t index) const
{
    return index + 1 == blocks_.size() ? static_cast<std::size_t>(free_ - blocks_[index].get())
                                       : blockCapacity(index);
}

TPathPoint TD3FloatPointList::unpack(const Record& record)
{
    const unsigned char* from = record.bytes;
    TPathPoint point;
    point.X = getExtended(from + kXAt);
    point.Y = getExtended(from + kYAt);
    point.Z = getExtended(from + kZAt);
    point.Feed = getExtended(from + kFeedAt);
    std::memcpy(point.Color, from + kColorAt, sizeof point.Color);
    std::memcpy(&point.LineNo, from + kLineAt, sizeof point.LineNo);
    point.Rapid = from[kRapidAt] != 0;
    return point;
}

TPathPoint TD3FloatPointList::Last() const
{
    return unpack(free_[-1]);
}

void TD3FloatPointList::AddList(const TD3FloatPointList& other)
{
    // Records never move and the blocks are indexed afresh each time, so
    // copying from this very list is safe; the count taken first stops the
    // copy at the points that were there when it started.
    std::int32_t remaining = other.count_;
    for (std::size_t index = 0; remaining > 0; ++index) {
        const std::size_t used = std::min<std::size_t>(other.usedIn(index), remaining);
        const Record* records = other.blocks_[index].get();
        for (std::size_t i = 0; i < used; ++i) {
            if (free_ == blockEnd_)
                startBlock();
            *free_++ = records[i];
            ++count_;
        }
        remaining -= static_cast<std::int32_t>(used);
    }
}

std::size_t TD3FloatPointList::reservedBytes() const
{
    std::size_t records = 0;
    for (std::size_t index = 0; index < blocks_.size(); ++index)
        records += blockCapacity(index);
    return records * sizeof(Record);
}

}  // namespace tarnix
