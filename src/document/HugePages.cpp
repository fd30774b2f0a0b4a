// Big buffers (a file's text, the editor's buffer holding it) are asked to be
// backed by huge pages. Filling fresh memory otherwise costs a page fault per
// 4 KiB, and on a virtual machine those faults cost more than the copying:
// half a second of a 200 MB open went into them. Replacing the global
// allocation function reaches the buffers the editor component allocates too.
// Sanitizer builds keep their own allocation functions, which check them.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
#define SJ_OWN_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define SJ_OWN_ALLOCATOR 1
#endif

#ifndef SJ_OWN_ALLOCATOR
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
// From this size on the C library maps every block by itself, so the advice
// never touches memory that other blocks share.
constexpr std::size_t kBigBlock = std::size_t{32} << 20;

void* allocate(std::size_t size) {
    if (size == 0) size = 1;
    for (;;) {
        if (void* block = std::malloc(size)) {
            if (size >= kBigBlock) {
                const auto at = reinterpret_cast<std::uintptr_t>(block);
                const std::uintptr_t first = (at + kHugePage - 1) & ~(kHugePage - 1);
                const std::uintptr_t last = (at + size) & ~(kHugePage - 1);
                if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
            }
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}

void* operator new[](std::size_t size) {
    return allocate(size);
}

#endif
