// The block that holds the list file's bytes.
#include "file_bytes.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>

#include "text_file.h"

namespace mp3 {
namespace {

// Asks for huge pages inside a large block: a first load then meets a dozen page faults on a
// 24 MB file instead of six thousand, which cost more than reading the file. Only advice: where
// the system keeps none, nothing changes.
void adviseHugePages([[maybe_unused]] char* block, [[maybe_unused]] std::size_t size) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t from = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t to = (start + size) & ~(kHugePage - 1);
    if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

}  // namespace

void FileBytes::reserve(std::size_t total) {
    if (total <= capacity_) return;
    // Not value-initialised: the bytes are read into before anything looks at them.
    std::unique_ptr<char[]> bigger(new char[total + kEndMark]);
    adviseHugePages(bigger.get(), total + kEndMark);
    if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
    data_ = std::move(bigger);
    capacity_ = total;
}

void FileBytes::markEnd() noexcept {
    if (data_) std::memset(end(), TextFile::kCtrlZ, kEndMark);
}

}  // namespace mp3
