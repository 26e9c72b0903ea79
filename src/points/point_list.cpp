#include "points/point_list.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace tarnix {
namespace {

// Blocks grow from small (a short program stays small) to 4 MiB, two huge
// pages, where the per-block cost vanishes.
constexpr std::size_t kFirstBlockBytes = 4096;
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kLargestBlockBytes = 2 * kHugePage;

const unsigned char* take(const unsigned char* from, void* to, std::size_t count)
{
    std::memcpy(to, from, count);
    return from + count;
}

}  // namespace

TD3FloatPointList::Cursor::Cursor(const TD3FloatPointList& list) : list_(&list), remaining_(list.count_)
{
    if (remaining_ > 0) {
        enterBlock(0);
        load();
    }
}

void TD3FloatPointList::Cursor::enterBlock(std::size_t block)
{
    block_ = block;
    record_ = list_->blocks_[block].bytes.get();
    blockEnd_ = list_->endOf(block);
}

// Reads the record at `record_` over the point before it: what the record
// leaves out is what that point had.
void TD3FloatPointList::Cursor::load()
{
    const unsigned char* from = record_;
    const unsigned char flags = *from++;
    point_.Rapid = (flags & kRapid) != 0;
    if (flags & kNewX)
        from = take(from, &point_.X, kExtendedBytes);
    if (flags & kNewY)
        from = take(from, &point_.Y, kExtendedBytes);
    if (flags & kNewZ)
        from = take(from, &point_.Z, kExtendedBytes);
    if (flags & kNewColor)
        from = take(from, point_.Color, sizeof point_.Color);
    if (flags & kNewFeed)
        from = take(from, &point_.Feed, kExtendedBytes);
    if (flags & kNewLine)
        from = take(from, &point_.LineNo, sizeof point_.LineNo);
    next_ = from;
}

void TD3FloatPointList::Cursor::Next()
{
    if (record_ == nullptr)
        return;
    if (--remaining_ == 0) {
        record_ = nullptr;
        return;
    }
    ++index_;
    record_ = next_;
    if (record_ == blockEnd_)
        enterBlock(block_ + 1);
    load();
}

void TD3FloatPointList::Cursor::follow()
{
    if (record_ == nullptr)
        return;
    remaining_ = list_->count_ - index_;
    blockEnd_ = list_->endOf(block_);
}

TD3FloatPointList::TD3FloatPointList()
{
    static std::uint64_t nextSerial = 0;
    serial_ = ++nextSerial;
}

TD3FloatPointList::~TD3FloatPointList() = default;

void TD3FloatPointList::Release::operator()(unsigned char* bytes) const
{
    ::operator delete(bytes, alignment);
}

void TD3FloatPointList::startBlock()
{
    const std::size_t doublings = std::min<std::size_t>(blocks_.size(), 10);
    const std::size_t size = std::min(kFirstBlockBytes << doublings, kLargestBlockBytes);
    const bool huge = size >= kHugePage;
    // Whatever can fail comes before the list changes: a program that runs
    // out of memory keeps every point it had, walkable as before.
    recordsEnd_.reserve(blocks_.size());
    blocks_.reserve(blocks_.size() + 1);
    const std::align_val_t alignment{huge ? kHugePage : 64};
    std::unique_ptr<unsigned char[], Release> bytes(static_cast<unsigned char*>(::operator new(size, alignment)),
                                                    Release{alignment});
    if (huge)
        madvise(bytes.get(), size, MADV_HUGEPAGE);  // a hint: without it, small pages
    if (!blocks_.empty())
        recordsEnd_.push_back(free_);
    free_ = bytes.get();
    blockEnd_ = free_ + size;
    blocks_.push_back({std::move(bytes), size});
}

const unsigned char* TD3FloatPointList::endOf(std::size_t index) const
{
    return index < recordsEnd_.size() ? recordsEnd_[index] : free_;
}

void TD3FloatPointList::AddList(const TD3FloatPointList& other)
{
    // The count taken first stops the copy at the points that were there
    // when it started, also when copying from this very list.
    const std::int32_t count = other.count_;
    Cursor point = other.First();
    for (std::int32_t i = 0; i < count; ++i) {
        const TPathPoint p = *point;
        Add({p.Color[0], p.Color[1], p.Color[2]}, p.LineNo, p.X, p.Y, p.Z, p.Feed, p.Rapid);
        if (i + 1 < count)
            point.Next();
    }
}

std::size_t TD3FloatPointList::reservedBytes() const
{
    std::size_t bytes = 0;
    for (const Block& block : blocks_)
        bytes += block.size;
    return bytes;
}

}  // namespace tarnix
