#include "ui/lang/lang_table.h"

#include <stdexcept>

#include "ui/lang/lang_table_data.h"
#include "ui/lang/lang_table_parse.h"

namespace qavi::ui {
namespace {

const LangTableParse& builtInTable() {
    // Parsed on first use and shared by every LangTable of the run.
    static const LangTableParse parsed = parseLangTable(embeddedLangTable(), LangTable::kRows);
    return parsed;
}

}  // namespace

LangTable::LangTable() {
    const LangTableParse& parsed = builtInTable();
    if (!parsed.ok()) throw std::runtime_error("built-in " + parsed.error);
    for (std::size_t r = 0; r < cells_.size(); ++r) cells_[r] = parsed.rows[r];
}

LangTable::LangTable(std::string_view tsv) {
    LangTableParse parsed = parseLangTable(tsv, kRows);
    if (!parsed.ok()) throw std::runtime_error(parsed.error);
    for (std::size_t r = 0; r < cells_.size(); ++r) cells_[r] = std::move(parsed.rows[r]);
}

const std::string& LangTable::text(int row, int column) const {
    static const std::string empty;
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return empty;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void LangTable::copyToWorking(int row, int column) {
    if (row < 0 || row >= kRows || column <= 0 || column >= kColumns) return;
    auto& cells = cells_[static_cast<std::size_t>(row)];
    cells[kWorking] = cells[static_cast<std::size_t>(column)];
}

}  // namespace qavi::ui
