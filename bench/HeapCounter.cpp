// Replaces the global operator new and delete of the benchmark program to count heap bytes.
#include "bench/HeapCounter.h"

#include <sqlite3.h>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<std::int64_t> current{0};
std::atomic<std::int64_t> peak{0};

void* Counted(void* block)
{
    if (block && counting.load(std::memory_order_relaxed)) {
        const auto size = static_cast<std::int64_t>(malloc_usable_size(block));
        const std::int64_t now = current.fetch_add(size, std::memory_order_relaxed) + size;
        std::int64_t highest = peak.load(std::memory_order_relaxed);
        while (now > highest && !peak.compare_exchange_weak(highest, now, std::memory_order_relaxed)) {
        }
    }
    return block;
}

void Release(void* block) noexcept
{
    if (block && counting.load(std::memory_order_relaxed))
        current.fetch_sub(static_cast<std::int64_t>(malloc_usable_size(block)), std::memory_order_relaxed);
    std::free(block);
}

void* Allocate(std::size_t size)
{
    void* block = Counted(std::malloc(size == 0 ? 1 : size));
    if (!block)
        throw std::bad_alloc();
    return block;
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment)
{
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    void* block = Counted(std::aligned_alloc(align, rounded == 0 ? align : rounded));
    if (!block)
        throw std::bad_alloc();
    return block;
}

std::int64_t SqliteHighwater(bool reset)
{
    sqlite3_int64 used = 0;
    sqlite3_int64 highwater = 0;
    sqlite3_status64(SQLITE_STATUS_MEMORY_USED, &used, &highwater, reset ? 1 : 0);
    return reset ? used : highwater;
}

std::int64_t sqliteStart = 0;

} // namespace

namespace bench {

void THeapCounter::Start()
{
    current = 0;
    peak = 0;
    sqliteStart = SqliteHighwater(true);
    counting = true;
}

std::int64_t THeapCounter::Stop()
{
    counting = false;
    return peak.load() + (SqliteHighwater(false) - sqliteStart);
}

} // namespace bench

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Counted(std::malloc(size == 0 ? 1 : size)); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Counted(std::malloc(size == 0 ? 1 : size)); }
void* operator new(std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete(void* block, std::align_val_t) noexcept { Release(block); }
void operator delete[](void* block, std::align_val_t) noexcept { Release(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { Release(block); }
