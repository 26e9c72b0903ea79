#pragma once
// The tool path: one chain of points in the order the interpreters produced
// them. Points are only appended at the tail and walked from the head.

#include "common/gl_color.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
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

// Records are packed (the 80-bit values in their 10 significant bytes, no
// link: the successor is the next record of the block) and live in large
// blocks that never move, so a path of millions of points costs one
// allocation per block and 57 bytes a point. Full-size blocks sit on huge
// pages where the system offers them: first touches of fresh pages were
// the largest cost of building a long path.
class TD3FloatPointList {
    // The significant bytes of an x87 extended value; the rest is padding.
    static constexpr std::size_t kExtendedBytes = 10;
    static constexpr std::size_t kXAt = 0;
    static constexpr std::size_t kYAt = kXAt + kExtendedBytes;
    static constexpr std::size_t kZAt = kYAt + kExtendedBytes;
    static constexpr std::size_t kFeedAt = kZAt + kExtendedBytes;
    static constexpr std::size_t kColorAt = kFeedAt + kExtendedBytes;
    static constexpr std::size_t kLineAt = kColorAt + 3 * sizeof(float);
    static constexpr std::size_t kRapidAt = kLineAt + sizeof(std::int32_t);
    struct Record {
        unsigned char bytes[kRapidAt + 1];
    };

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

    private:
        friend class TD3FloatPointList;
        Cursor(const TD3FloatPointList& list, std::size_t block);
        void load();

        const TD3FloatPointList* list_;
        std::size_t block_;
        const Record* record_ = nullptr;
        const Record* blockEnd_ = nullptr;
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
        if (free_ == blockEnd_)
            startBlock();
        unsigned char* to = (free_++)->bytes;
        std::memcpy(to + kXAt, &x, kExtendedBytes);
        std::memcpy(to + kYAt, &y, kExtendedBytes);
        std::memcpy(to + kZAt, &z, kExtendedBytes);
        std::memcpy(to + kFeedAt, &feed, kExtendedBytes);
        std::memcpy(to + kColorAt, color.data(), 3 * sizeof(float));
        std::memcpy(to + kLineAt, &lineNo, sizeof lineNo);
        to[kRapidAt] = rapid ? 1 : 0;
        ++count_;
    }

    // Appends copies of the points `other` holds when the call starts, in
    // their order; adding a list to itself therefore doubles it once.
    void AddList(const TD3FloatPointList& other);

    std::int32_t Count() const { return count_; }
    // At the head; false on an empty list.
    Cursor First() const { return Cursor(*this, 0); }
    // The tail point; the list must not be empty.
    TPathPoint Last() const;

    // Unique for every list the process creates: a view that caches what it
    // built from a list can tell a new list at a reused address.
    std::uint64_t serial() const { return serial_; }

    // Bytes held by the record blocks, for the memory benchmark.
    std::size_t reservedBytes() const;

private:
    struct Release {
        void operator()(Record* records) const;
    };
    using Block = std::unique_ptr<Record[], Release>;

    void startBlock();
    // Records in use in block `index`.
    std::size_t usedIn(std::size_t index) const;
    static TPathPoint unpack(const Record& record);

    // Records block `index` holds: 64, 128, ... up to about 73,000 (4 MiB).
    static std::size_t blockCapacity(std::size_t index);

    std::vector<Block> blocks_;
    Record* free_ = nullptr;      // the next record of the last block
    Record* blockEnd_ = nullptr;  // the end of the last block
    std::uint64_t serial_;
    std::int32_t count_ = 0;
};

}  // namespace tarnix
