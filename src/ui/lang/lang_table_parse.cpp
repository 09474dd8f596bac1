#include "ui/lang/lang_table_parse.h"

#include <optional>

#include "ui/lang/utf8.h"

namespace qavi::ui {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kColumns = 9;

// Resolves the three escapes; nullopt for any other backslash sequence.
std::optional<std::string> unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (i + 1 == field.size()) return std::nullopt;
        switch (field[++i]) {
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::string lineError(std::size_t line, const std::string& what) {
    return "language table, line " + std::to_string(line) + ": " + what;
}

}  // namespace

LangTableParse parseLangTable(std::string_view text, int expectedRows) {
    LangTableParse result;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    // A final line break ends the last row rather than starting an empty one.
    if (text.ends_with('\n')) text.remove_suffix(1);

    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);

        if (static_cast<int>(lineNumber) > expectedRows) {
            result.error = lineError(lineNumber, "more than " + std::to_string(expectedRows) + " rows");
            return result;
        }
        if (!utf8::isValid(line)) {
            result.error = lineError(lineNumber, "not valid UTF-8");
            return result;
        }
        std::array<std::string, kColumns> row;
        std::size_t column = 0;
        std::size_t fieldStart = 0;
        while (true) {
            const std::size_t tab = std::min(line.find('\t', fieldStart), line.size());
            if (column == kColumns) {
                result.error = lineError(lineNumber, "more than 9 columns");
                return result;
            }
            auto unescaped = unescape(line.substr(fieldStart, tab - fieldStart));
            if (!unescaped) {
                result.error = lineError(
                    lineNumber, "column " + std::to_string(column) + " has a backslash that is not \\t, \\n or \\\\");
                return result;
            }
            row[column++] = std::move(*unescaped);
            if (tab == line.size()) break;
            fieldStart = tab + 1;
        }
        if (column != kColumns) {
            result.error = lineError(lineNumber, std::to_string(column) + " columns, expected 9");
            return result;
        }
        result.rows.push_back(std::move(row));
    }
    if (static_cast<int>(result.rows.size()) != expectedRows) {
        result.error =
            "language table: " + std::to_string(result.rows.size()) + " rows, expected " + std::to_string(expectedRows);
    }
    return result;
}

}  // namespace qavi::ui
