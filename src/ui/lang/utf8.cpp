#include "ui/lang/utf8.h"

#include <cstdint>

namespace qavi::ui::utf8 {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the sequence a lead byte announces; 0 for a byte that cannot lead.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

bool isValid(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || i + length > text.size()) return false;
        std::uint32_t codePoint = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte)) return false;
            codePoint = (codePoint << 6) | (byte & 0x3Fu);
        }
        if (length == 3 && (codePoint < 0x800 || (codePoint >= 0xD800 && codePoint <= 0xDFFF))) return false;
        if (length == 4 && (codePoint < 0x10000 || codePoint > 0x10FFFF)) return false;
        i += length;
    }
    return true;
}

std::size_t advance(std::string_view text, std::size_t bytePos, std::size_t count) {
    std::size_t pos = bytePos;
    while (count > 0 && pos < text.size()) {
        ++pos;
        while (pos < text.size() && isContinuation(static_cast<unsigned char>(text[pos]))) ++pos;
        --count;
    }
    return pos < text.size() ? pos : text.size();
}

std::string_view substr(std::string_view text, std::size_t first, std::size_t count) {
    const std::size_t begin = advance(text, 0, first);
    const std::size_t end = advance(text, begin, count);
    return text.substr(begin, end - begin);
}

}  // namespace qavi::ui::utf8
