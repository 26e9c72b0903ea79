#pragma once
// A budget on the global operator new of the memory tests: past it,
// allocations fail as they do under a memory limit.

namespace tarnix::testing {

// Allocations fail once `bytes` are spent while an object lives.
class MemoryLimit {
public:
    explicit MemoryLimit(long long bytes);
    ~MemoryLimit();
    MemoryLimit(const MemoryLimit&) = delete;
    MemoryLimit& operator=(const MemoryLimit&) = delete;

    // Allocation is unlimited again.
    static void lift();
};

}  // namespace tarnix::testing
