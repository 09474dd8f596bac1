#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qavi::ui {

// The text form of the language table, as translators edit it: UTF-8, one row
// per line, the nine columns separated by tabs; a tab, a line break or a
// backslash inside a text is written \t, \n or \\. A leading byte-order mark
// and Windows line ends are accepted.
struct LangTableParse {
    std::vector<std::array<std::string, 9>> rows;
    // Empty when the text was a complete, well-formed table; otherwise what is
    // wrong and on which line.
    std::string error;
    bool ok() const { return error.empty(); }
};

LangTableParse parseLangTable(std::string_view text, int expectedRows);

}  // namespace qavi::ui
