// Block storage for loaded texts.
#include "text_pool.h"

#include <cstring>

namespace mp3 {

std::string_view TextPool::store(std::string_view text) {
    if (text.empty()) return {};
    if (blocks_.empty() || blocks_.back().size - used_ < text.size()) {
        std::size_t size = std::max(kBlockSize, text.size());
        blocks_.push_back({std::make_unique<char[]>(size), size});
        reserved_ += size;
        used_ = 0;
    }
    char* at = blocks_.back().data.get() + used_;
    std::memcpy(at, text.data(), text.size());
    used_ += text.size();
    return {at, text.size()};
}

void TextPool::clear() {
    if (blocks_.size() > 1) blocks_.erase(blocks_.begin() + 1, blocks_.end());
    reserved_ = blocks_.empty() ? 0 : blocks_.front().size;
    used_ = 0;
}

}  // namespace mp3
