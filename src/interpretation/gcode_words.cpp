#include "interpretation/gcode_words.h"

namespace tarnix {

bool GCodeWordScanner::next(GCodeWord& word)
{
    std::size_t start = position_;
    while (start < block_.size() && isDelimiter(block_[start]))
        ++start;
    if (start >= block_.size() || start == 0) {
        position_ = block_.size();
        return false;
    }
    std::size_t end = start;
    while (end < block_.size() && !isDelimiter(block_[end]))
        ++end;
    word.letter = block_[start - 1];
    word.text = block_.substr(start, end - start);
    position_ = end;
    return true;
}

}  // namespace tarnix
