#pragma once

#include <istream>
#include <string>

// The text conventions of a preset file: one value or id per line, numbers in the C locale.
namespace PresetFormat
{
// A normalised value the way the default stream formatting writes it: at most six significant
// digits, no trailing zeros, the exponent form only below 0.0001. Independent of the user's locale.
std::string formatValue (float normalisedValue);

// The leading decimal integer of an entry-count line; leading white space and a sign are allowed,
// no digits gives 0, and counts beyond the range of int are held at its limits.
int parseEntryCount (const std::string& line) noexcept;

// The leading number of a value line, 0 when there is none. A line that spells "nan" also gives 0:
// a parameter must never be handed a value that is not a number.
float parseValue (const std::string& line);

// One line without its line feed, and without one carriage return before it, so files saved with
// Windows line ends read the same. A missing line reads as empty.
std::string readLine (std::istream& in);
} // namespace PresetFormat
