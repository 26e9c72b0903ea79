#pragma once
// An array of plain values for a path of millions of points that grows at
// its tail. It grows by realloc: the C library moves a large block by
// remapping its pages, where a std::vector copies every element and
// touches every page twice, a pause of seconds when a path of millions of
// points outgrows its room.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

namespace tarnix {

template <typename T>
class GrowingArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowingArray() = default;
    GrowingArray(const GrowingArray&) = delete;
    GrowingArray& operator=(const GrowingArray&) = delete;
    ~GrowingArray() { std::free(data_); }

    const T* data() const { return data_; }
    std::size_t size() const { return size_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    std::size_t reservedBytes() const { return capacity_ * sizeof(T); }

    // New elements are left as they come: the caller writes them.
    void resize(std::size_t size)
    {
        if (size > capacity_) {
            const std::size_t capacity = std::max(size, capacity_ + capacity_ / 2);
            void* grown = std::realloc(data_, capacity * sizeof(T));
            if (grown == nullptr)
                throw std::bad_alloc();
            data_ = static_cast<T*>(grown);
            capacity_ = capacity;
        }
        size_ = size;
    }

    // Empties the array and gives its memory back.
    void release()
    {
        std::free(std::exchange(data_, nullptr));
        size_ = capacity_ = 0;
    }

private:
    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace tarnix
