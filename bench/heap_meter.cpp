// Replacement malloc family that keeps a running total of the heap in use and its peak.
// It sits under operator new as well, so Qt's own allocations (QString, list items) count too.
#include "heap_meter.h"

#include <malloc.h>

#include <atomic>
#include <cerrno>
#include <cstddef>

// glibc's allocator under its exported internal names; replacing malloc this way is supported.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
void __libc_free(void* p);
}

namespace {
std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* counted(void* p) noexcept {
    if (p == nullptr) return p;
    const std::size_t now = inUse += malloc_usable_size(p);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return p;
}

void uncount(void* p) noexcept {
    if (p != nullptr) inUse -= malloc_usable_size(p);
}
}  // namespace

extern "C" {

void* malloc(std::size_t size) noexcept {
    return counted(__libc_malloc(size));
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    return counted(__libc_calloc(count, size));
}
void free(void* p) noexcept {
    uncount(p);
    __libc_free(p);
}

void* realloc(void* p, std::size_t size) noexcept {
    const std::size_t before = p != nullptr ? malloc_usable_size(p) : 0;
    void* moved = __libc_realloc(p, size);
    // A failed realloc keeps the old block; realloc(p, 0) frees it and returns null.
    if (moved == nullptr && (size != 0 || p == nullptr)) return nullptr;
    inUse -= before;
    return counted(moved);
}

void* reallocarray(void* p, std::size_t count, std::size_t size) noexcept {
    std::size_t bytes;
    if (__builtin_mul_overflow(count, size, &bytes)) {
        errno = ENOMEM;
        return nullptr;
    }
    return realloc(p, bytes);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    return counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    return counted(__libc_memalign(alignment, size));
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept {
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) return EINVAL;
    void* p = counted(__libc_memalign(alignment, size));
    if (p == nullptr) return ENOMEM;
    *out = p;
    return 0;
}
void* valloc(std::size_t size) noexcept {
    return counted(__libc_valloc(size));
}
void* pvalloc(std::size_t size) noexcept {
    return counted(__libc_pvalloc(size));
}

}  // extern "C"

namespace mp3::bench {
std::size_t heapInUse() noexcept {
    return inUse;
}
std::size_t heapPeak() noexcept {
    return peak;
}
void resetHeapPeak() noexcept {
    peak = inUse.load();
}
}  // namespace mp3::bench
