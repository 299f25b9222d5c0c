#include "cli/AudioFiles.h"

namespace AudioFiles
{
namespace
{
juce::String bitDepthName (int bits)
{
    return bits == floatBits ? "32-bit float" : juce::String (bits) + "-bit";
}

// "FLAC" rather than the framework's "FLAC file".
juce::String shortName (const juce::AudioFormat& format)
{
    return format.getFormatName().upToLastOccurrenceOf (" file", false, true);
}

juce::String depthsList (const juce::Array<int>& depths)
{
    juce::StringArray names;
    for (const auto bits : depths)
        names.add (juce::String (bits));
    return names.joinIntoString (", ", 0, names.size() - 1) + " or " + names[names.size() - 1] + "-bit";
}

juce::String knownSuffixes (juce::AudioFormatManager& manager)
{
    juce::StringArray suffixes;
    for (auto* format : manager)
        suffixes.addArray (format->getFileExtensions());
    return suffixes.joinIntoString (", ");
}
} // namespace

void registerFormats (juce::AudioFormatManager& manager)
{
    manager.registerFormat (new juce::WavAudioFormat(), true);
    manager.registerFormat (new juce::AiffAudioFormat(), false);
    manager.registerFormat (new juce::FlacAudioFormat(), false);
}

Outcome<std::unique_ptr<juce::AudioFormatReader>> openInput (juce::AudioFormatManager& manager, const juce::File& file)
{
    using Answer = Outcome<std::unique_ptr<juce::AudioFormatReader>>;
    const auto name = "INPUT \"" + file.getFullPathName() + "\"";
    std::unique_ptr<juce::AudioFormatReader> reader (manager.createReaderFor (file));

    if (reader == nullptr)
        return Answer::failure (name + " is not a WAV, AIFF or FLAC file, or it is damaged");
    if (reader->numChannels < 1 || reader->numChannels > 2)
        return Answer::failure (name + " has " + juce::String (reader->numChannels)
                                + " channels; only mono and stereo can be rendered");
    if (reader->lengthInSamples <= 0)
        return Answer::failure (name + " holds no audio");
    if (! (reader->sampleRate > 0.0))
        return Answer::failure (name + " gives no sample rate");

    return Answer (std::move (reader));
}

Outcome<OutputFormat> chooseOutputFormat (juce::AudioFormatManager& manager, const juce::File& target,
                                          const juce::String& role, int inputBitsPerSample, bool floatSamples)
{
    const auto name = role + " \"" + target.getFullPathName() + "\"";
    auto* format = manager.findFormatForFileExtension (target.getFileExtension());

    if (format == nullptr)
        return Outcome<OutputFormat>::failure ("cannot tell the format of " + name + " from its suffix; use "
                                               + knownSuffixes (manager));

    const OutputFormat output{ format, floatSamples ? floatBits : inputBitsPerSample };

    if (! format->getPossibleBitDepths().contains (output.bitsPerSample))
    {
        const auto cause = floatSamples ? juce::String ("--float asks for 32-bit float samples")
                                        : "the input has " + juce::String (inputBitsPerSample) + "-bit samples";
        return Outcome<OutputFormat>::failure (cause + ", which " + shortName (*format) + " cannot hold (it holds "
                                               + depthsList (format->getPossibleBitDepths()) + "); write the " + role
                                               + " as .wav instead");
    }

    return output;
}

juce::String describe (const OutputFormat& output)
{
    return bitDepthName (output.bitsPerSample) + " " + shortName (*output.format);
}
} // namespace AudioFiles
