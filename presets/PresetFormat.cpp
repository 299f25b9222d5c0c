#include "presets/PresetFormat.h"

#include "core/NumberText.h"

#include <juce_core/juce_core.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace PresetFormat
{
std::string formatValue (float normalisedValue)
{
    std::ostringstream out;
    out.imbue (std::locale::classic());
    out << static_cast<double> (normalisedValue);
    return out.str();
}

int parseEntryCount (const std::string& line) noexcept
{
    auto position = line.find_first_not_of (" \t\n\v\f\r");

    if (position == std::string::npos)
        return 0;

    const auto negative = line[position] == '-';

    if (line[position] == '-' || line[position] == '+')
        ++position;

    constexpr auto limit = static_cast<long long> (std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;

    for (; position < line.size() && line[position] >= '0' && line[position] <= '9'; ++position)
        magnitude = std::min (limit, magnitude * 10 + (line[position] - '0'));

    const auto value = negative ? -magnitude : std::min (magnitude, limit - 1);
    return static_cast<int> (std::max<long long> (value, std::numeric_limits<int>::min()));
}

float parseValue (const std::string& line)
{
    // A number is plain ASCII: the part before the first other byte decides the value, and a
    // line of arbitrary bytes never reaches the framework's UTF-8 decoder.
    std::string ascii;

    for (const auto character : line)
    {
        if (static_cast<unsigned char> (character) >= 0x80 || character == '\0')
            break;

        ascii += character;
    }

    const auto value = leadingNumber (ascii);

    if (std::isnan (value))
        return 0.0f;

    // Held inside float's range before narrowing; the parameter clamps to 0..1 anyway.
    constexpr auto largest = static_cast<double> (std::numeric_limits<float>::max());
    return static_cast<float> (std::clamp (value, -largest, largest));
}

std::string readLine (std::istream& in)
{
    std::string line;

    if (!std::getline (in, line))
        return {};

    if (!line.empty() && line.back() == '\r')
        line.pop_back();

    return line;
}
} // namespace PresetFormat
