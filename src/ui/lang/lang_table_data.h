#pragma once

#include <string_view>

namespace qavi::ui {

// The bytes of lang_table.tsv, compiled into the program at build time.
std::string_view embeddedLangTable();

}  // namespace qavi::ui
