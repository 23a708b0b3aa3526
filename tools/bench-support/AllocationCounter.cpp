#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::uint64_t> g_allocations{0};

void *allocate(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (size == 0)
        size = 1;
    return std::malloc(size);
}

void *allocateAligned(std::size_t size, std::align_val_t alignment)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    const auto align = static_cast<std::size_t>(alignment);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + align - 1) / align * align;
    return std::aligned_alloc(align, rounded == 0 ? align : rounded);
}

} // namespace

std::uint64_t fw::allocationCount()
{
    return g_allocations.load(std::memory_order_relaxed);
}

void *operator new(std::size_t size)
{
    if (void *p = allocate(size))
        return p;
    throw std::bad_alloc();
}

void *operator new[](std::size_t size)
{
    if (void *p = allocate(size))
        return p;
    throw std::bad_alloc();
}

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size);
}

void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size);
}

void *operator new(std::size_t size, std::align_val_t alignment)
{
    if (void *p = allocateAligned(size, alignment))
        return p;
    throw std::bad_alloc();
}

void *operator new[](std::size_t size, std::align_val_t alignment)
{
    if (void *p = allocateAligned(size, alignment))
        return p;
    throw std::bad_alloc();
}

void *operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t &) noexcept
{
    return allocateAligned(size, alignment);
}

void *operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t &) noexcept
{
    return allocateAligned(size, alignment);
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete[](void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}

void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::align_val_t) noexcept
{
    std::free(p);
}

void operator delete[](void *p, std::align_val_t) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}

void operator delete[](void *p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::align_val_t, const std::nothrow_t &) noexcept
{
    std::free(p);
}

void operator delete[](void *p, std::align_val_t, const std::nothrow_t &) noexcept
{
    std::free(p);
}
