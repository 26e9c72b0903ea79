#pragma once
// The tool path: one chain of points in the order the interpreters produced
// them. Points are only appended at the tail and walked from the head.

#include "common/gl_color.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace tarnix {

// A point as the readers see it, unpacked from its record.
struct TPathPoint {
    long double X;
    long double Y;
    long double Z;
    float Color[3];       // red, green, blue; feed colours may exceed 1
    std::int32_t LineNo;  // program line, counted from 1; the pick name
    long double Feed;     // program units per minute
    bool Rapid;           // G0, or a Roland speed of exactly 64
};

// Records are packed one after the other in large blocks that never move:
// no link (the successor is the next record), the 80-bit values in their 10
// significant bytes, and each value only where it differs from the point
// before: along an arc only two coordinates change, along a straight cut
// rarely more. A point takes 1 to 57 bytes, and a path of millions of
// points one allocation per block. Full-size blocks sit on huge pages where the system offers them:
// first touches of fresh pages were the largest cost of building a path.
class TD3FloatPointList {
    // The significant bytes of an x87 extended value; the rest is padding.
    static constexpr std::size_t kExtendedBytes = 10;
    // A record: a flags byte, then the values the flags say are there.
    enum Flags : unsigned char {
        kRapid = 1, kNewX = 2, kNewY = 4, kNewZ = 8, kNewColor = 16, kNewFeed = 32, kNewLine = 64
    };
    static constexpr std::size_t kLongestRecord =
        1 + 4 * kExtendedBytes + 3 * sizeof(float) + sizeof(std::int32_t);

public:
    // Walks the list from the head; readers hold no index into it.
    class Cursor {
    public:
        // False once the walk has passed the tail.
        explicit operator bool() const { return record_ != nullptr; }
        const TPathPoint& operator*() const { return point_; }
        const TPathPoint* operator->() const { return &point_; }
        // Moves to the successor.
        void Next();
        // Takes in the points added since the cursor was made or last
        // followed: a cursor kept on the tail walks on into them. Records
        // are packed against their predecessors, so this is the only way
        // to reach new points without walking from the head.
        void follow();

    private:
        friend class TD3FloatPointList;
        explicit Cursor(const TD3FloatPointList& list);
        void enterBlock(std::size_t block);
        void load();

        const TD3FloatPointList* list_;
        std::size_t block_ = 0;
        const unsigned char* record_ = nullptr;
        const unsigned char* next_ = nullptr;  // after the current record
        const unsigned char* blockEnd_ = nullptr;
        std::int32_t remaining_ = 0;  // points from this one to the tail
        std::int32_t index_ = 0;      // of the current point, from the head
        TPathPoint point_{};
    };

    TD3FloatPointList();
    ~TD3FloatPointList();
    TD3FloatPointList(const TD3FloatPointList&) = delete;
    TD3FloatPointList& operator=(const TD3FloatPointList&) = delete;

    // Inline: arcs append millions of points.
    void Add(const GLColor& color, std::int32_t lineNo, long double x, long double y,
             long double z, long double feed, bool rapid)
    {
        makeRoomForRecord();
        const bool first = count_ == 0;
        unsigned char flags = rapid ? kRapid : 0;
        unsigned char* to = putPosition(free_ + 1, flags, x, y, z, first);
        if (first || std::memcmp(color.data(), last_.Color, sizeof last_.Color) != 0) {
            flags |= kNewColor;
            to = put(to, color.data(), sizeof last_.Color);
            std::memcpy(last_.Color, color.data(), sizeof last_.Color);
        }
        to = putIfNew(to, flags, kNewFeed, feed, last_.Feed, first);
        if (first || lineNo != last_.LineNo) {
            flags |= kNewLine;
            to = put(to, &lineNo, sizeof lineNo);
            last_.LineNo = lineNo;
        }
        *free_ = flags;
        free_ = to;
        last_.Rapid = rapid;
        ++count_;
    }

    // Add with the colour, line, feed and rapid flag of the last point,
    // which must be there: the points along an arc differ only in position.
    // By reference: copies of 80-bit values cost more than the rest.
    void AddPosition(const long double& x, const long double& y, const long double& z)
    {
        makeRoomForRecord();
        unsigned char flags = last_.Rapid ? kRapid : 0;
        unsigned char* to = putPosition(free_ + 1, flags, x, y, z, false);
        *free_ = flags;
        free_ = to;
        ++count_;
    }

    // Appends copies of the points `other` holds when the call starts, in
    // their order; adding a list to itself therefore doubles it once.
    void AddList(const TD3FloatPointList& other);

    std::int32_t Count() const { return count_; }
    // At the head; false on an empty list.
    Cursor First() const { return Cursor(*this); }
    // The tail point; the list must not be empty.
    TPathPoint Last() const { return last_; }

    // Unique for every list the process creates: a view that caches what it
    // built from a list can tell a new list at a reused address.
    std::uint64_t serial() const { return serial_; }

    // Bytes held by the record blocks, for the memory benchmark.
    std::size_t reservedBytes() const;

private:
    struct Release {
        std::align_val_t alignment;
        void operator()(unsigned char* bytes) const;
    };
    struct Block {
        std::unique_ptr<unsigned char[], Release> bytes;
        std::size_t size;
    };

    static unsigned char* put(unsigned char* to, const void* from, std::size_t count)
    {
        std::memcpy(to, from, count);
        return to + count;
    }

    void makeRoomForRecord()
    {
        if (static_cast<std::size_t>(blockEnd_ - free_) < kLongestRecord)
            startBlock();
    }

    // Writes the coordinates that differ from the last point's, flagging them.
    unsigned char* putPosition(unsigned char* to, unsigned char& flags, const long double& x,
                               const long double& y, const long double& z, bool first)
    {
        to = putIfNew(to, flags, kNewX, x, last_.X, first);
        to = putIfNew(to, flags, kNewY, y, last_.Y, first);
        return putIfNew(to, flags, kNewZ, z, last_.Z, first);
    }

    // Writes `value` where it differs from the last point's, flagging it.
    // Values are copied as bytes: an 80-bit load and store cost far more.
    unsigned char* putIfNew(unsigned char* to, unsigned char& flags, unsigned char flag, const long double& value,
                            long double& last, bool first)
    {
        if (first || std::memcmp(&value, &last, kExtendedBytes) != 0) {
            flags |= flag;
            to = put(to, &value, kExtendedBytes);
            std::memcpy(&last, &value, kExtendedBytes);
        }
        return to;
    }

    void startBlock();
    // Where the records of block `index` end.
    const unsigned char* endOf(std::size_t index) const;

    std::vector<Block> blocks_;
    unsigned char* free_ = nullptr;      // after the last record
    unsigned char* blockEnd_ = nullptr;  // the end of the last block
    std::vector<unsigned char*> recordsEnd_;  // where the records of each full block end
    TPathPoint last_{};
    std::uint64_t serial_;
    std::int32_t count_ = 0;
};

}  // namespace tarnix
