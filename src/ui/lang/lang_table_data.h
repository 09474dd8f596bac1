#pragma once

#include <span>

namespace qavi::ui {

struct LangCell {
    int row;
    int column;
    const char* text;
};

// The table's contents (column 0 holds its initial Polish set).
std::span<const LangCell> langTableData();

}  // namespace qavi::ui
