#include "presets/PresetFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>
#include <sstream>

namespace
{
struct FormatCase
{
    float value;
    const char* text;
};

const FormatCase formatCases[] = {
    { 1.0f, "1" },
    { 0.0f, "0" },
    { 0.5f, "0.5" },
    { 0.75f, "0.75" },
    { 0.25f, "0.25" },
    { 48.1f / 96.0f, "0.501042" },  // a gain of 0.1 dB
    { 0.1f / 96.0f, "0.00104167" }, // a gain of -47.9 dB
    { 0.00001f, "1e-05" },
    { 0.0001f, "0.0001" },
    { 1.0f / 3.0f, "0.333333" },
    { 0.1f, "0.1" }, // widened from float, still six digits
};

// A locale that writes decimal commas, as a user's desktop locale might.
struct CommaDecimals : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

// Restores the global locale whatever the test does.
class GlobalLocale
{
public:
    explicit GlobalLocale (const std::locale& locale)
        : previous (std::locale::global (locale))
    {
    }
    ~GlobalLocale() { std::locale::global (previous); }

private:
    std::locale previous;
};
} // namespace

TEST (PresetFormat, WritesValuesInTheShortGeneralForm)
{
    for (const auto& item : formatCases)
    {
        SCOPED_TRACE (item.text);
        EXPECT_EQ (PresetFormat::formatValue (item.value), item.text);
    }
}

TEST (PresetFormat, WritesADecimalPointWhateverTheUsersLocale)
{
    const GlobalLocale commas (std::locale (std::locale::classic(), new CommaDecimals));
    EXPECT_EQ (PresetFormat::formatValue (0.5f), "0.5");
    EXPECT_EQ (PresetFormat::formatValue (48.1f / 96.0f), "0.501042");
}

TEST (PresetFormat, ReadsTheLeadingIntegerOfTheCountLine)
{
    const struct
    {
        const char* line;
        int count;
    } cases[] = {
        { "8", 8 },
        { "3", 3 },
        { "  10", 10 },
        { "\t+4", 4 },
        { "-2", -2 },
        { "", 0 },
        { "abc", 0 },
        { "7 entries", 7 },
        { "0x10", 0 },
        { "- 3", 0 },
        { "99999999999", std::numeric_limits<int>::max() },
        { "-99999999999", std::numeric_limits<int>::min() },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.line);
        EXPECT_EQ (PresetFormat::parseEntryCount (item.line), item.count);
    }
}

TEST (PresetFormat, ReadsTheLeadingNumberOfAValueLineOrZero)
{
    const struct
    {
        const char* line;
        float value;
    } cases[] = {
        { "0.5", 0.5f },
        { "1", 1.0f },
        { "1e-05", 0.00001f },
        { "  0.75", 0.75f },
        { "0.25abc", 0.25f },
        { "abc", 0.0f },
        { "", 0.0f },
        { "2", 2.0f },
        { "-1", -1.0f },
        { "nan", 0.0f },
        { "NaN", 0.0f },
        { "0,5", 0.0f },
        { "1e999", std::numeric_limits<float>::max() },
        { "\xff\xfe+0.5", 0.0f }, // a number after other bytes is not leading
        { "0.5\xc3", 0.5f },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.line);
        EXPECT_EQ (PresetFormat::parseValue (item.line), item.value);
    }
}

TEST (PresetFormat, ReadsLinesWithoutTheirEndsAndMissingLinesAsEmpty)
{
    std::istringstream in ("unix\nwindows\r\nbare\r\r\n\nlast");

    for (const auto* expected : { "unix", "windows", "bare\r", "", "last", "", "" })
    {
        SCOPED_TRACE (expected);
        EXPECT_EQ (PresetFormat::readLine (in), expected);
    }
}
