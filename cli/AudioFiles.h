#pragma once

#include "cli/Outcome.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <memory>

// The audio file formats the renderer reads and writes (WAV, AIFF and FLAC), and the choice of
// format and bit depth for an output.
namespace AudioFiles
{
// A manager that knows exactly the three formats; WAV is the default.
void registerFormats (juce::AudioFormatManager& manager);

// A reader for a mono or stereo file with at least one sample.
Outcome<std::unique_ptr<juce::AudioFormatReader>> openInput (juce::AudioFormatManager& manager, const juce::File& file);

// The one depth stored as floating point (in WAV).
inline constexpr int floatBits = 32;

struct OutputFormat
{
    juce::AudioFormat* format = nullptr;
    int bitsPerSample = 0; // 32 means floating point: only WAV holds it
};

// The format named by the target's suffix, at the input's bit depth or, asked for, 32-bit float.
Outcome<OutputFormat> chooseOutputFormat (juce::AudioFormatManager& manager, const juce::File& target,
                                          const juce::String& role, int inputBitsPerSample, bool floatSamples);

// "24-bit WAV", "32-bit float WAV".
juce::String describe (const OutputFormat& output);
} // namespace AudioFiles
