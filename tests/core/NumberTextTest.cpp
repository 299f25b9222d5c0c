#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <string>

TEST (NumberText, ReadsTheLeadingDecimalNumberOrZero)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        { "12.5 dB", 12.5 }, { "75 %", 75.0 }, { "  -3.14", -3.14 }, { "+2", 2.0 }, { ".5", 0.5 },
        { "1e-05", 1e-05 }, { "0.501042", 0.501042 }, { "1.5.3", 1.5 }, { "1e", 1.0 },
        { "abc", 0.0 }, { "", 0.0 }, { "-", 0.0 }, { "nan", 0.0 }, { "0x10", 0.0 },
        { "1e-0433333333", 0.0 }, { "-1e-99999999999", -0.0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        EXPECT_EQ (leadingNumber (c.text), c.value);
    }
}

TEST (NumberText, HugeExponentsSaturateInsteadOfOverflowing)
{
    EXPECT_EQ (leadingNumber ("1e4333333333333"), HUGE_VAL);
    EXPECT_EQ (leadingNumber ("-7e99999999999999999"), -HUGE_VAL);
    EXPECT_EQ (leadingNumber (std::string (400, '9')), HUGE_VAL);
    EXPECT_EQ (leadingNumber ("inf"), HUGE_VAL);
    EXPECT_EQ (leadingNumber (" -Infinity"), -HUGE_VAL);
}
