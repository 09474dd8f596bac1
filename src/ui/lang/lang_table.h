#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qavi::ui {

// The interface texts: 145 rows in nine columns. Column 0 is the working
// column every other part of the program reads (it follows the chosen
// language); columns 1-8 are German, English, Polish, Russian, Czech, Turkish,
// Thai and Greek, in the order of the language menu. All texts are UTF-8 and
// are shown as they stand.
//
// The texts live in lang_table.tsv, compiled into the program and read once.
class LangTable {
public:
    static constexpr int kRows = 145;
    static constexpr int kColumns = 9;
    static constexpr int kWorking = 0;
    static constexpr int kEnglish = 2;

    // The built-in table. A damaged built-in table is a build defect (the
    // tests reject it); construction then throws std::runtime_error saying
    // which line is wrong.
    LangTable();
    // A table read from `tsv`; throws std::runtime_error when it is malformed.
    explicit LangTable(std::string_view tsv);

    // Row of the working column; an empty text for a row out of range.
    const std::string& text(int row) const { return text(row, kWorking); }
    const std::string& text(int row, int column) const;
    // Copies row `row` of `column` (1-8) into the working column.
    void copyToWorking(int row, int column);

private:
    std::array<std::array<std::string, kColumns>, kRows> cells_;
};

}  // namespace qavi::ui
