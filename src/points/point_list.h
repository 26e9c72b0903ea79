#pragma once
// The tool path: one chain of points in the order the interpreters produced
// them. Points are only appended at the tail and walked from the head.

#include "common/gl_color.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tarnix {

struct TPathPoint {
    long double X;
    long double Y;
    long double Z;
    float Color[3];       // red, green, blue; feed colours may exceed 1
    std::int32_t LineNo;  // program line, counted from 1; the pick name
    long double Feed;     // program units per minute
    bool Rapid;           // G0, or a Roland speed of exactly 64
    TPathPoint* Next;     // nullptr at the tail
};

// Records live in large blocks that never move, so `Next` stays valid and a
// path of millions of points costs one allocation per block, not per point.
class TD3FloatPointList {
public:
    TD3FloatPointList();
    TD3FloatPointList(const TD3FloatPointList&) = delete;
    TD3FloatPointList& operator=(const TD3FloatPointList&) = delete;

    void Add(const GLColor& color, std::int32_t lineNo, long double x, long double y,
             long double z, long double feed, bool rapid);

    // Appends copies of the points `other` holds when the call starts, in
    // their order; adding a list to itself therefore doubles it once.
    void AddList(const TD3FloatPointList& other);

    std::int32_t Count() const { return count_; }
    const TPathPoint* First() const { return first_; }
    const TPathPoint* Last() const { return last_; }
    TPathPoint* First() { return first_; }
    TPathPoint* Last() { return last_; }

    // Unique for every list the process creates: a view that caches what it
    // built from a list can tell a new list at a reused address.
    std::uint64_t serial() const { return serial_; }

    // Bytes held by the record blocks, for the memory benchmark.
    std::size_t reservedBytes() const;

private:
    TPathPoint* allocateRecord();

    // Records block `index` holds: 64, 128, ... up to 65,536.
    static std::size_t blockCapacity(std::size_t index);

    std::vector<std::unique_ptr<TPathPoint[]>> blocks_;
    std::size_t usedInLastBlock_ = 0;
    std::uint64_t serial_;
    std::int32_t count_ = 0;
    TPathPoint* first_ = nullptr;
    TPathPoint* last_ = nullptr;
};

}  // namespace tarnix
