#pragma once
// A standard allocator over platform::AllocateLarge, for the table's cells.
#include "platform.h"

#include <cstddef>

namespace pluvelle {

template <typename T>
struct LargeBlockAllocator {
    using value_type = T;
    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(platform::AllocateLarge(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { platform::FreeLarge(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const LargeBlockAllocator<U>&) const { return true; }
};

} // namespace pluvelle
