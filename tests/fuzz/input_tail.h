#pragma once
// Splits a fuzz input into a text (its front) and the values a target needs
// besides the text (taken from its back), so that a program file used as a
// seed keeps nearly all of its text. An input that runs out gives zeros.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tarnix::fuzz {

class InputTail {
public:
    InputTail(const std::uint8_t* data, std::size_t size)
        : data_(reinterpret_cast<const char*>(data)), size_(size) {}

    std::uint8_t byte()
    {
        if (size_ == 0)
            return 0;
        return static_cast<std::uint8_t>(data_[--size_]);
    }

    bool flag() { return (byte() & 1) != 0; }

    // Up to `maximum` bytes, as many as the next byte says.
    std::string text(std::size_t maximum)
    {
        std::size_t length = std::min<std::size_t>(byte() % (maximum + 1), size_);
        size_ -= length;
        return std::string(data_ + size_, length);
    }

    double number()
    {
        std::array<char, sizeof(double)> bytes{};
        for (char& b : bytes)
            b = static_cast<char>(byte());
        double value;
        std::memcpy(&value, bytes.data(), sizeof value);
        return value;
    }

    // What the values have left of the input.
    std::string_view front() const { return {data_, size_}; }

private:
    const char* data_;
    std::size_t size_;
};

}  // namespace tarnix::fuzz
