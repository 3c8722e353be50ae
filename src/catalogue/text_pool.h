// Storage for the texts of one load: one allocation per 16 KiB block, not one per text.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace mp3 {

// Texts stay where they were put until clear(). The blocks are kept for the next load, which
// usually needs as much again: the memory stays at the largest load's size, like fixed tables.
class TextPool {
  public:
    std::string_view store(std::string_view text);
    void clear();
    std::size_t bytesReserved() const noexcept { return reserved_; }

  private:
    static constexpr std::size_t kBlockSize = 16 * 1024;
    struct Block {
        std::unique_ptr<char[]> data;
        std::size_t size;
    };
    std::vector<Block> blocks_;
    std::size_t current_ = 0;  // the block being filled
    std::size_t used_ = 0;     // of that block
    std::size_t reserved_ = 0;
};

}  // namespace mp3
