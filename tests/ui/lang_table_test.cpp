#include "ui/lang/lang_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/lang/lang_table_parse.h"
#include "ui/lang/utf8.h"

namespace qavi::ui {
namespace {

constexpr int kPolish = 3;

bool intentionallyEmpty(int row, int column) { return (row == 35 || row == 70) && column >= 1 && column <= 3; }

TEST(LangTable, EveryRowOfEveryColumnIsPresent) {
    const LangTable table;
    for (int row = 0; row < LangTable::kRows; ++row) {
        for (int column = 0; column < LangTable::kColumns; ++column) {
            const std::string& text = table.text(row, column);
            if (intentionallyEmpty(row, column)) {
                EXPECT_EQ(text, "") << "row " << row << " column " << column;
            } else {
                EXPECT_FALSE(text.empty()) << "row " << row << " column " << column;
            }
            EXPECT_TRUE(utf8::isValid(text)) << "row " << row << " column " << column;
        }
    }
}

TEST(LangTable, CellsCountAndCylinderRowsFilledOnlyOutsideTheWesternColumns) {
    const LangTable table;
    for (int row : {35, 70}) {
        EXPECT_FALSE(table.text(row, 0).empty()) << row;
        for (int column = 4; column < LangTable::kColumns; ++column) {
            EXPECT_FALSE(table.text(row, column).empty()) << row << " " << column;
        }
    }
    EXPECT_EQ(table.text(35, 0), "Ilość cylindrów");
    EXPECT_EQ(table.text(LangTable::kRows, 0), "");
    EXPECT_EQ(table.text(0, LangTable::kColumns), "");
    EXPECT_EQ(table.text(-1), "");
}

TEST(LangTable, AddressRowsArePlaceholdersEqualInAllColumns) {
    const LangTable table;
    for (int row = 139; row <= 144; ++row) {
        EXPECT_NE(table.text(row).find("qavi.example.org"), std::string::npos) << row;
        for (int column = 1; column < LangTable::kColumns; ++column) {
            EXPECT_EQ(table.text(row, column), table.text(row, 0)) << row << " " << column;
        }
    }
    EXPECT_EQ(table.text(141), "mailto:" + table.text(142));
    EXPECT_EQ(table.text(143), "mailto:" + table.text(144));
    EXPECT_TRUE(table.text(139).starts_with("https://"));
    EXPECT_TRUE(table.text(140).starts_with("https://"));
}

TEST(LangTable, WorkingColumnStartsWithItsOwnPolishSet) {
    const LangTable table;
    EXPECT_EQ(table.text(11), "Time out - błąd w transmisji (Brak Strownika) ");
    EXPECT_EQ(table.text(10), "Czy chcesz wykonać reset sterownika i przywrócić ustawienia fabryczne ?");
    EXPECT_EQ(table.text(18), "Wyliczono mnożnik = ");
    EXPECT_EQ(table.text(11, kPolish), "Brak Sterownika");
    EXPECT_EQ(table.text(10, kPolish), "Reset przywróci ustawienia fabryczne");
    EXPECT_EQ(table.text(18, kPolish), "Korekta =");

    int differing = 0;
    for (int row = 0; row < LangTable::kRows; ++row) differing += table.text(row, 0) != table.text(row, kPolish);
    EXPECT_EQ(differing, 39);
}

TEST(LangTable, EnglishReferenceTextsKeepTheirSpelling) {
    const LangTable table;
    const struct {
        int row;
        const char* text;
    } cases[] = {
        {0, " - Voltage error"},
        {6, " - Injector Error :"},
        {11, "No LPG Controller"},
        {23, "Batery  "},
        {29, "Temerature"},
        {67, "START – calibration begins"},
        {71, "Multipler"},
        {73, "Area Too"},
        {84, "Inj. Petrol / Gas  [ms]"},
        {85, "Temp Gas / Red [°C]"},
        {118, "Corection of gas injector [ms]"},
        {120, " The last connection with PC: "},
        {137, "Use the version higher than"},
    };
    for (const auto& c : cases) EXPECT_EQ(table.text(c.row, LangTable::kEnglish), c.text) << c.row;
}

TEST(LangTable, MessagesAreTranslatedInEveryLanguage) {
    // A message row that equals the English text in another language is almost
    // always a row a translator skipped.
    const LangTable table;
    for (int column = 1; column < LangTable::kColumns; ++column) {
        if (column == LangTable::kEnglish) continue;
        for (int row = 0; row <= 22; ++row) {
            EXPECT_NE(table.text(row, column), table.text(row, LangTable::kEnglish)) << row << " " << column;
        }
        EXPECT_NE(table.text(138, column), table.text(138, LangTable::kEnglish)) << column;
    }
}

TEST(LangTable, ErrorTextsStartWithADash) {
    const LangTable table;
    for (int column = 0; column < LangTable::kColumns; ++column) {
        for (int row = 0; row <= 9; ++row)
            EXPECT_TRUE(table.text(row, column).starts_with(" - ")) << row << " " << column;
    }
}

TEST(LangTable, StatusLabelEndsWithItsOnlyColon) {
    // The date after the label is carried across language changes from two
    // characters past the first ':', so the label may hold no other colon.
    const LangTable table;
    for (int column = 0; column < LangTable::kColumns; ++column) {
        const std::string& label = table.text(120, column);
        const std::size_t colon = label.find(':');
        ASSERT_NE(colon, std::string::npos) << column;
        EXPECT_EQ(label.substr(colon), ": ") << column;
    }
}

TEST(LangTable, HelpTextHasSeveralLinesInEveryColumn) {
    const LangTable table;
    for (int column = 0; column < LangTable::kColumns; ++column) {
        const std::string& help = table.text(138, column);
        EXPECT_GE(std::count(help.begin(), help.end(), '\n'), 4) << column;
        EXPECT_EQ(help.find('\r'), std::string::npos) << column;
    }
}

TEST(LangTable, CopyToWorkingTakesOnlyLanguageColumns) {
    LangTable table;
    table.copyToWorking(11, LangTable::kEnglish);
    EXPECT_EQ(table.text(11), "No LPG Controller");
    table.copyToWorking(11, 0);
    table.copyToWorking(11, LangTable::kColumns);
    table.copyToWorking(LangTable::kRows, 1);
    EXPECT_EQ(table.text(11), "No LPG Controller");
    EXPECT_EQ(table.text(10), "Czy chcesz wykonać reset sterownika i przywrócić ustawienia fabryczne ?");
}

// ---- The text form ------------------------------------------------------------

std::string row(const std::string& first) { return first + "\tb\tc\td\te\tf\tg\th\ti"; }

TEST(LangTableParse, ReadsRowsEscapesAndEditorVariants) {
    const std::string text = "\xEF\xBB\xBF" + row("a\\tb\\nc\\\\d") + "\r\n" + row("ż") + "\n";
    const LangTableParse parsed = parseLangTable(text, 2);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.rows.size(), 2u);
    EXPECT_EQ(parsed.rows[0][0], "a\tb\nc\\d");
    EXPECT_EQ(parsed.rows[0][8], "i");
    EXPECT_EQ(parsed.rows[1][0], "ż");

    const LangTableParse noFinalBreak = parseLangTable(row("x") + "\n" + row("y"), 2);
    ASSERT_TRUE(noFinalBreak.ok()) << noFinalBreak.error;
    EXPECT_EQ(noFinalBreak.rows[1][0], "y");

    const LangTableParse emptyCells = parseLangTable("\t\t\t\t\t\t\t\t\n", 1);
    ASSERT_TRUE(emptyCells.ok()) << emptyCells.error;
    EXPECT_EQ(emptyCells.rows[0][4], "");
}

TEST(LangTableParse, RejectsMalformedTextsNamingTheLine) {
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"", "0 rows, expected 2"},
        {row("a") + "\n", "1 rows, expected 2"},
        {row("a") + "\n" + row("b") + "\n" + row("c") + "\n", "line 3: more than 2 rows"},
        {row("a") + "\n\n", "line 2: 1 columns, expected 9"},
        {row("a") + "\na\tb\tc\n", "line 2: 3 columns, expected 9"},
        {row("a") + "\t10\n" + row("b"), "line 1: more than 9 columns"},
        {row("a\\x") + "\n" + row("b"), "line 1: column 0 has a backslash"},
        {row("a") + "\n" + row("b\\"), "line 2: column 0 has a backslash"},
        {row("a") + "\n" + row("\xC3\x28"), "line 2: not valid UTF-8"},
    };
    for (const auto& c : cases) {
        const LangTableParse parsed = parseLangTable(c.text, 2);
        EXPECT_FALSE(parsed.ok()) << c.text;
        EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
    }
}

TEST(LangTableParse, TableFromMalformedTextThrowsWithTheReason) {
    try {
        LangTable table(row("a") + "\n");
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("1 rows, expected 145"), std::string::npos) << e.what();
    }
}

// ---- UTF-8 ----------------------------------------------------------------------

TEST(Utf8, ValidatesSequences) {
    const struct {
        std::string text;
        bool valid;
    } cases[] = {
        {"", true},
        {"abc", true},
        {"ąę °C ภาษา Γλώσσα 𝄞", true},
        {"\x80", false},              // stray continuation byte
        {"\xC3", false},              // truncated
        {"\xC0\x80", false},          // overlong
        {"\xE0\x80\x80", false},      // overlong
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xE2\x28\xA1", false},      // broken continuation
    };
    for (const auto& c : cases) EXPECT_EQ(utf8::isValid(c.text), c.valid) << c.text;
}

TEST(Utf8, CountsCodePointsAndStopsAtTheEnd) {
    const std::string text = "aąภ𝄞b";  // 1 + 2 + 3 + 4 + 1 bytes
    EXPECT_EQ(utf8::advance(text, 0, 1), 1u);
    EXPECT_EQ(utf8::advance(text, 0, 3), 6u);
    EXPECT_EQ(utf8::advance(text, 0, 99), text.size());
    EXPECT_EQ(utf8::advance(text, text.size(), 1), text.size());
    EXPECT_EQ(utf8::advance(text, text.size() + 5, 1), text.size());
    EXPECT_EQ(utf8::substr(text, 1, 2), "ąภ");
    EXPECT_EQ(utf8::substr(text, 4, 10), "b");
    EXPECT_EQ(utf8::substr(text, 9, 1), "");
    // Malformed bytes are stepped over without running past the end.
    const std::string broken = "\x80\x80x\xE2";
    EXPECT_EQ(utf8::advance(broken, 0, 1), 2u);
    EXPECT_EQ(utf8::advance(broken, 0, 2), 3u);
    EXPECT_EQ(utf8::advance(broken, 0, 10), broken.size());
}

}  // namespace
}  // namespace qavi::ui
