#include "cli/ParameterSettings.h"

#include <cmath>
#include <locale>
#include <sstream>

namespace ParameterSettings
{
namespace
{
// A whole decimal number in the C locale, nothing before or after it; infinities and NaN are not
// values any parameter can take.
std::optional<double> readNumber (const juce::String& text)
{
    if (text.isEmpty() || text.containsAnyOf (" \t\r\n"))
        return std::nullopt;

    std::istringstream in (text.toStdString());
    in.imbue (std::locale::classic());
    double number = 0.0;
    in >> number;

    if (in.fail() || ! in.eof() || ! std::isfinite (number))
        return std::nullopt;

    return number;
}

juce::String validIds (const Table& table)
{
    juce::StringArray ids;
    for (const auto& data : table)
        ids.add (data.id);
    return ids.joinIntoString (", ");
}

juce::String unitSuffix (const ParameterManager::ParamData& data)
{
    return data.label.isEmpty() ? juce::String() : " " + data.label;
}

juce::String offWord (const ParameterManager::ParamData& data)
{
    return data.valueToText (data.range.start);
}

juce::String onWord (const ParameterManager::ParamData& data)
{
    return data.valueToText (data.range.end);
}

std::optional<float> readSwitchWord (const ParameterManager::ParamData& data, const juce::String& text)
{
    if (text == offWord (data))
        return data.range.start;
    if (text == onWord (data))
        return data.range.end;
    return std::nullopt;
}

Outcome<Setting> parseValue (const ParameterManager::ParamData& data, const juce::String& text)
{
    const auto failure = [&] (const juce::String& problem)
    {
        return Outcome<Setting>::failure (data.id + "=" + text + " " + problem + "; " + data.id + " takes "
                                          + describeRange (data) + unitSuffix (data));
    };

    if (isSwitch (data))
        if (const auto word = readSwitchWord (data, text))
            return Setting{ data.id, *word };

    const auto number = readNumber (text);

    if (! number.has_value())
        return failure (isSwitch (data) ? "is not a switch position" : "is not a number");

    if (*number < data.range.start || *number > data.range.end)
        return failure ("is out of range");

    return Setting{ data.id, static_cast<float> (*number) };
}
} // namespace

const ParameterManager::ParamData* find (const Table& table, const juce::String& id) noexcept
{
    for (const auto& data : table)
        if (data.id == id)
            return &data;

    return nullptr;
}

bool isSwitch (const ParameterManager::ParamData& data)
{
    const auto& range = data.range;
    return data.valueToText != nullptr && range.interval > 0.0f
           && juce::approximatelyEqual (range.end - range.start, range.interval);
}

Outcome<Setting> parse (const juce::String& assignment, const Table& table)
{
    if (! assignment.containsChar ('='))
        return Outcome<Setting>::failure ("--set expects ID=VALUE, got \"" + assignment + "\"");

    const auto id = assignment.upToFirstOccurrenceOf ("=", false, false);
    const auto valueText = assignment.fromFirstOccurrenceOf ("=", false, false);
    const auto* data = find (table, id);

    if (data == nullptr)
        return Outcome<Setting>::failure ("unknown parameter id \"" + id + "\"; valid ids: " + validIds (table));

    return parseValue (*data, valueText);
}

float storedValue (const ParameterManager::ParamData& data, float value)
{
    return data.range.snapToLegalValue (value);
}

juce::String formatValue (const ParameterManager::ParamData& data, float value)
{
    return isSwitch (data) ? data.valueToText (value) : formatNumber (value);
}

juce::String formatNumber (float value)
{
    // Six significant digits hide the float's binary residue (0.1f is not 0.1).
    std::ostringstream out;
    out.imbue (std::locale::classic());
    out.precision (6);
    out << static_cast<double> (value);
    const auto text = juce::String (out.str());
    return text == "-0" ? juce::String ("0") : text;
}

juce::String describeRange (const ParameterManager::ParamData& data)
{
    if (isSwitch (data))
        return offWord (data) + " or " + onWord (data);

    return formatNumber (data.range.start) + " to " + formatNumber (data.range.end);
}

juce::StringArray describeCurrent (const Table& table, const ParameterManager& parameters)
{
    juce::StringArray settings;
    for (const auto& data : table)
        settings.add (data.id + "=" + formatValue (data, parameters.getRawValue (data.id)));
    return settings;
}

juce::String describeTable (const Table& table)
{
    std::vector<juce::StringArray> rows{ { "id", "name", "range", "step", "default", "unit" } };

    for (const auto& data : table)
        rows.push_back ({ data.id, data.name, describeRange (data), formatNumber (data.range.interval),
                          formatValue (data, data.defaultValue), data.label });

    std::vector<int> widths (rows.front().size(), 0);
    for (const auto& row : rows)
        for (int column = 0; column < row.size(); ++column)
            widths[(size_t)column] = std::max (widths[(size_t)column], row[column].length());

    juce::String text;
    for (const auto& row : rows)
    {
        juce::String line;
        for (int column = 0; column < row.size(); ++column)
            line << row[column].paddedRight (' ', widths[(size_t)column] + 2);
        text << line.trimEnd() << "\n";
    }
    return text;
}
} // namespace ParameterSettings
