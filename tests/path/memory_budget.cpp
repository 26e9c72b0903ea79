// The replaced global allocation functions. They live in a file of their
// own: inlined into the test's code, the compiler would pair each "new"
// there with the "free" here and warn of a mismatch.

#include "memory_budget.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Bytes still allowed while armed; negative when allocation is unlimited.
std::atomic<long long> allocationBudget{-1};

void spend(std::size_t size)
{
    long long budget = allocationBudget.load();
    while (budget >= 0) {
        if (static_cast<long long>(size) > budget)
            throw std::bad_alloc();
        if (allocationBudget.compare_exchange_weak(budget, budget - static_cast<long long>(size)))
            break;
    }
}

}  // namespace

namespace tarnix::testing {

MemoryLimit::MemoryLimit(long long bytes) { allocationBudget = bytes; }
MemoryLimit::~MemoryLimit() { lift(); }
void MemoryLimit::lift() { allocationBudget = -1; }

}  // namespace tarnix::testing

void* operator new(std::size_t size)
{
    spend(size);
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// The point list's blocks are aligned.
void* operator new(std::size_t size, std::align_val_t alignment)
{
    spend(size);
    const auto align = static_cast<std::size_t>(alignment);
    if (void* memory = std::aligned_alloc(align, (size + align - 1) / align * align))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
