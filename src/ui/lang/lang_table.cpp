#include "ui/lang/lang_table.h"

#include "ui/lang/lang_table_data.h"

namespace qavi::ui {

LangTable::LangTable() {
    for (const auto& entry : langTableData()) {
        if (entry.row >= 0 && entry.row < kRows && entry.column >= 0 && entry.column < kColumns) {
            cells_[static_cast<std::size_t>(entry.row)][static_cast<std::size_t>(entry.column)] = entry.text;
        }
    }
}

const std::string& LangTable::text(int row, int column) const {
    static const std::string empty;
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return empty;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void LangTable::copyToWorking(int row, int column) {
    if (row < 0 || row >= kRows || column <= 0 || column >= kColumns) return;
    cells_[static_cast<std::size_t>(row)][kWorking] = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace qavi::ui
