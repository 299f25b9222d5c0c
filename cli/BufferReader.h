#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

// Serves samples held in memory through the reader interface, so a generated signal takes the
// same road through the renderer as a file does.
class BufferReader : public juce::AudioFormatReader
{
public:
    BufferReader (juce::AudioBuffer<float> samplesToServe, double rate);

    bool readSamples (int* const* destChannels, int numDestChannels, int startOffsetInDestBuffer,
                      juce::int64 startSampleInFile, int numSamples) override;

    const juce::AudioBuffer<float>& getSamples() const noexcept { return samples; }

private:
    juce::AudioBuffer<float> samples;
};
