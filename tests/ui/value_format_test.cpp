#include "ui/form/value_format.h"

#include <gtest/gtest.h>

namespace qavi::ui {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    char decimal;
    const char* expected;
};

TEST(FormatFloat, PatternsOfTheWindow) {
    const FormatCase cases[] = {
        {12.97, "#0.00", '.', "12.97"},   {12.97, "#0.00", ',', "12,97"},  {0.0, "##0.0", '.', "0.0"},
        {5.25, "##0.0", '.', "5.3"},      {-10, "##0.0", '.', "-10.0"},    {0.8, "##0.##0", '.', "0.800"},
        {800, "###0", '.', "800"},        {1234.4, "#,#0.", '.', "1,234"}, {1.5, "#0.#", '.', "1.5"},
        {2.0, "#0.#", '.', "2"},          {-3, "#0.#", '.', "-3"},         {0.04, "#0.#", '.', "0"},
        {40, "#0", '.', "40"},            {1234567, "#,#0.", ',', "1,234,567"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFloat(c.value, c.pattern, c.decimal, ','), c.expected) << c.pattern << " " << c.value;
    }
}

TEST(FormatFixed, SignificantDigitsThenDecimals) {
    EXPECT_EQ(formatFixed(200 * 23.0 / 375 + 0.7, 4, 2), "12.97");
    EXPECT_EQ(formatFixed(255 / 51.0, 3, 2, ','), "5,00");
    EXPECT_EQ(formatFixed(128 / 51.0, 3, 2, ','), "2,51");
    EXPECT_EQ(formatFixed(1.234, 2, 2), "1.20");
    EXPECT_EQ(formatFixed(0.153, 2, 2), "0.15");
    EXPECT_EQ(formatFixed(0.0, 3, 2), "0.00");
}

}  // namespace
}  // namespace qavi::ui
