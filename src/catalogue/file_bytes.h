// The list file's bytes as the last load read them: the one copy of every loaded text.
#pragma once

#include <cstddef>
#include <memory>

namespace mp3 {

// Every text the Catalogue hands out is a slice of a line held here. The block is kept for
// the next load, which usually needs as much again.
class FileBytes {
  public:
    // Bytes of 26 kept after the end: what reading past the end of the file gives.
    static constexpr std::size_t kEndMark = 4;

    void clear() noexcept { size_ = 0; }
    // Room for `total` bytes in all, keeping those it holds.
    void reserve(std::size_t total);
    std::size_t room() const noexcept { return capacity_ - size_; }
    // Where the next bytes go; grow() then counts them in.
    char* end() noexcept { return data_.get() + size_; }
    void grow(std::size_t added) noexcept { size_ += added; }
    // Writes the end mark after the bytes held.
    void markEnd() noexcept;

    const char* data() const noexcept { return data_.get(); }
    std::size_t size() const noexcept { return size_; }

  private:
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;  // not counting the end mark's room
};

}  // namespace mp3
