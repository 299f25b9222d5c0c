#pragma once

namespace Tarvik::Utility
{
// 10^(-N / 20): the linear amplitude of a level N dB below full scale, one constant for every 6 dB step.
inline constexpr double AMP_6_DB = 0.5011872336272722;
inline constexpr double AMP_12_DB = 0.251188643150958;
inline constexpr double AMP_18_DB = 0.12589254117941673;
inline constexpr double AMP_24_DB = 0.06309573444801933;
inline constexpr double AMP_30_DB = 0.03162277660168379;
inline constexpr double AMP_36_DB = 0.015848931924611134;
inline constexpr double AMP_42_DB = 0.007943282347242814;
inline constexpr double AMP_48_DB = 0.003981071705534973;
inline constexpr double AMP_54_DB = 0.001995262314968879;
inline constexpr double AMP_60_DB = 0.001;
inline constexpr double AMP_66_DB = 0.0005011872336272725;
inline constexpr double AMP_72_DB = 0.00025118864315095795;
inline constexpr double AMP_78_DB = 0.00012589254117941674;
inline constexpr double AMP_84_DB = 6.309573444801929e-05;
inline constexpr double AMP_90_DB = 3.1622776601683795e-05;
inline constexpr double AMP_96_DB = 1.584893192461114e-05;

// Lets a template name its floor in decibels and still use the exact constant above.
constexpr bool hasAmplitudeConstant (int decibels) noexcept
{
    return decibels <= -6 && decibels >= -96 && decibels % 6 == 0;
}

constexpr double amplitudeConstantFor (int decibels) noexcept
{
    constexpr double constants[] = { AMP_6_DB,  AMP_12_DB, AMP_18_DB, AMP_24_DB, AMP_30_DB, AMP_36_DB,
                                     AMP_42_DB, AMP_48_DB, AMP_54_DB, AMP_60_DB, AMP_66_DB, AMP_72_DB,
                                     AMP_78_DB, AMP_84_DB, AMP_90_DB, AMP_96_DB };
    return constants[-decibels / 6 - 1];
}
} // namespace Tarvik::Utility
