#include "cli/BufferReader.h"

BufferReader::BufferReader (juce::AudioBuffer<float> samplesToServe, double rate)
    : juce::AudioFormatReader (nullptr, "Generated signal")
    , samples (std::move (samplesToServe))
{
    sampleRate = rate;
    bitsPerSample = 32;
    usesFloatingPointData = true;
    lengthInSamples = samples.getNumSamples();
    numChannels = static_cast<unsigned int> (samples.getNumChannels());
}

// With floating-point data the reader interface passes float channels disguised as int pointers.
bool BufferReader::readSamples (int* const* destChannels, int numDestChannels, int startOffsetInDestBuffer,
                                juce::int64 startSampleInFile, int numSamples)
{
    const auto available = juce::jlimit<juce::int64> (0, numSamples, lengthInSamples - startSampleInFile);
    const auto toCopy = startSampleInFile < 0 ? 0 : static_cast<int> (available);

    for (int channel = 0; channel < numDestChannels; ++channel)
    {
        if (destChannels[channel] == nullptr)
            continue;

        auto* dest = reinterpret_cast<float*> (destChannels[channel]) + startOffsetInDestBuffer;

        const auto copied = channel < samples.getNumChannels() ? toCopy : 0;

        if (copied > 0)
            juce::FloatVectorOperations::copy (
                dest, samples.getReadPointer (channel, static_cast<int> (startSampleInFile)), copied);

        juce::FloatVectorOperations::clear (dest + copied, numSamples - copied);
    }

    return true;
}
