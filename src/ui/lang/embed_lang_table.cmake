# Turns the language table (UTF-8 text) into a C++ source holding its bytes.
# Bytes rather than a string literal: no delimiter can clash with the texts and
# no compiler limit on literal length applies. Run as
#   cmake -DINPUT=lang_table.tsv -DOUTPUT=lang_table_data.cpp -P embed_lang_table.cmake
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "embed_lang_table.cmake needs -DINPUT=... and -DOUTPUT=...")
endif()

file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hexLength)
if(hexLength EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
# Break the array into lines of 16 bytes so the generated file stays readable.
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
       "\\1\n" bytes "${bytes}")

file(WRITE "${OUTPUT}.tmp"
"// Generated from lang_table.tsv by embed_lang_table.cmake; edit the .tsv, not this file.
#include \"ui/lang/lang_table_data.h\"

namespace qavi::ui {
namespace {
const unsigned char kTableBytes[] = {
${bytes}
};
}  // namespace

std::string_view embeddedLangTable() {
    return {reinterpret_cast<const char*>(kTableBytes), sizeof kTableBytes};
}

}  // namespace qavi::ui
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
