// Storage for the texts of one load: one allocation per 64 KiB, not one per text.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace mp3 {

// Texts stay where they were put until clear(); clear() keeps the first block for the next load.
class TextPool {
public:
    std::string_view store(std::string_view text);
    void clear();
    std::size_t bytesReserved() const noexcept { return reserved_; }

private:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    struct Block {
        std::unique_ptr<char[]> data;
        std::size_t size;
    };
    std::vector<Block> blocks_;
    std::size_t used_ = 0;  // of the last block
    std::size_t reserved_ = 0;
};

}  // namespace mp3
