#include "points/point_list.h"

#include <algorithm>
#include <cstring>

namespace tarnix {
namespace {

// Blocks grow from small (a short program stays small) to a size where the
// per-block cost vanishes.
constexpr std::size_t kFirstBlockSize = 64;
constexpr std::size_t kLargestBlockSize = 64 * 1024;

// The significant bytes of an x87 extended value; the rest is padding.
constexpr std::size_t kExtendedBytes = 10;
static_assert(sizeof(long double) >= kExtendedBytes);

// Field offsets in a record.
constexpr std::size_t kXAt = 0;
constexpr std::size_t kYAt = kXAt + kExtendedBytes;
constexpr std::size_t kZAt = kYAt + kExtendedBytes;
constexpr std::size_t kFeedAt = kZAt + kExtendedBytes;
constexpr std::size_t kColorAt = kFeedAt + kExtendedBytes;
constexpr std::size_t kLineAt = kColorAt + 3 * sizeof(float);
constexpr std::size_t kRapidAt = kLineAt + sizeof(std::int32_t);
constexpr std::size_t kRecordBytes = kRapidAt + 1;

void putExtended(unsigned char* to, long double value)
{
    std::memcpy(to, &value, kExtendedBytes);
}

long double getExtended(const unsigned char* from)
{
    long double value = 0;
    std::memcpy(&value, from, kExtendedBytes);
    return value;
}

}  // namespace

struct TD3FloatPointList::Record {
    unsigned char bytes[kRecordBytes];
};

TD3FloatPointList::Cursor::Cursor(const TD3FloatPointList& list, std::size_t block)
    : list_(&list), block_(block)
{
    if (block_ < list.blocks_.size() && list.blocks_[block_].used > 0) {
        record_ = list.blocks_[block_].records.get();
        blockEnd_ = record_ + list.blocks_[block_].used;
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
    return index >= 10 ? kLargestBlockSize : std::min(kFirstBlockSize << index, kLargestBlockSize);
}

TD3FloatPointList::Record* TD3FloatPointList::allocateRecord()
{
    if (blocks_.empty() || blocks_.back().used == blockCapacity(blocks_.size() - 1))
        blocks_.push_back({std::make_unique_for_overwrite<Record[]>(blockCapacity(blocks_.size())), 0});
    Block& block = blocks_.back();
    return &block.records[block.used++];
}

void TD3FloatPointList::Add(const GLColor& color, std::int32_t lineNo, long double x,
                            long double y, long double z, long double feed, bool rapid)
{
    unsigned char* to = allocateRecord()->bytes;
    putExtended(to + kXAt, x);
    putExtended(to + kYAt, y);
    putExtended(to + kZAt, z);
    putExtended(to + kFeedAt, feed);
    std::memcpy(to + kColorAt, color.data(), 3 * sizeof(float));
    std::memcpy(to + kLineAt, &lineNo, sizeof lineNo);
    to[kRapidAt] = rapid ? 1 : 0;
    ++count_;
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
    const Block& block = blocks_.back();
    return unpack(block.records[block.used - 1]);
}

void TD3FloatPointList::AddList(const TD3FloatPointList& other)
{
    // Records never move and the blocks are indexed afresh each time, so
    // copying from this very list is safe; the count taken first stops the
    // copy at the points that were there when it started.
    std::int32_t remaining = other.count_;
    for (std::size_t index = 0; remaining > 0; ++index) {
        const std::size_t used = std::min<std::size_t>(other.blocks_[index].used, remaining);
        for (std::size_t i = 0; i < used; ++i) {
            const Record& record = other.blocks_[index].records[i];
            *allocateRecord() = record;
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
