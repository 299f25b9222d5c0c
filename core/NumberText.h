#pragma once

#include <charconv>
#include <cmath>
#include <string_view>

// The leading decimal number of a text, read the lenient way a typed value or a stored file is
// read: white space, an optional sign, digits with an optional fraction and exponent; 0 when the
// text starts with no number, and nothing after the number matters. Unlike the framework's
// reader, an absurdly long exponent saturates instead of overflowing an int.
// "inf" reads as infinity and "nan" as no number.
inline double leadingNumber (std::string_view text) noexcept
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;

    const auto negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;

    // Infinity is spelled out the way the C library and the framework write it; the parameter
    // clamps it to its range. No "nan", no hexadecimal forms.
    const auto rest = text.substr (i);
    if (rest.size() >= 3 && (rest[0] | 0x20) == 'i' && (rest[1] | 0x20) == 'n' && (rest[2] | 0x20) == 'f')
        return negative ? -HUGE_VAL : HUGE_VAL;

    const auto startsNumber = i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.');
    if (! startsNumber)
        return 0.0;

    double value = 0.0;
    const auto* first = text.data() + i;
    const auto* last = text.data() + text.size();
    const auto [end, error] = std::from_chars (first, last, value, std::chars_format::general);

    if (error == std::errc::invalid_argument)
        return 0.0;

    if (error == std::errc::result_out_of_range)
    {
        const auto matched = std::string_view (first, static_cast<std::size_t> (end - first));
        const auto exponent = matched.find_first_of ("eE");
        const auto tiny = exponent != std::string_view::npos && exponent + 1 < matched.size() && matched[exponent + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    }

    return negative ? -value : value;
}
