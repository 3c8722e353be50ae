// Block storage for loaded texts.
#include "text_pool.h"

#include <cstring>

namespace mp3 {

std::string_view TextPool::store(std::string_view text) {
    if (text.empty()) return {};
    while (current_ < blocks_.size() && blocks_[current_].size - used_ < text.size()) {
        ++current_;  // a block kept from an earlier load
        used_ = 0;
    }
    if (current_ == blocks_.size()) {
        std::size_t size = std::max(kBlockSize, text.size());
        // Not value-initialised: every byte handed out is written first.
        blocks_.push_back({std::unique_ptr<char[]>(new char[size]), size});
        reserved_ += size;
        used_ = 0;
    }
    char* at = blocks_[current_].data.get() + used_;
    std::memcpy(at, text.data(), text.size());
    used_ += text.size();
    return {at, text.size()};
}

void TextPool::clear() {
    current_ = 0;
    used_ = 0;
}

}  // namespace mp3
