#pragma once

#include <cstddef>
#include <string_view>

namespace qavi::ui::utf8 {

// Well-formed UTF-8: no stray continuation bytes, truncated or overlong
// sequences, surrogates or code points above U+10FFFF.
bool isValid(std::string_view text);

// The byte position `count` code points after `bytePos`, or text.size() when
// the text ends first. A stray continuation byte goes with the character
// before it; whatever the bytes, this never runs past the end.
std::size_t advance(std::string_view text, std::size_t bytePos, std::size_t count);

// Up to `count` code points starting at code point `first`; shorter (possibly
// empty) when the text ends first.
std::string_view substr(std::string_view text, std::size_t first, std::size_t count);

}  // namespace qavi::ui::utf8
