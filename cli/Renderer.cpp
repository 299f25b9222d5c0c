#include "cli/Renderer.h"

namespace Renderer
{
void applySettings (ParameterManager& parameters, const std::vector<ParameterSettings::Setting>& settings)
{
    for (const auto& setting : settings)
        parameters.setRawValue (setting.id, setting.value);
}

Result render (juce::AudioFormatReader& input, TemplateEffectAudioProcessor& processor, int blockSize,
               const BlockListener& listener)
{
    const auto numChannels = static_cast<int> (input.numChannels);
    const auto totalSamples = input.lengthInSamples;

    processor.setNonRealtime (true);
    processor.setPlayConfigDetails (numChannels, numChannels, input.sampleRate, blockSize);
    processor.prepareToPlay (input.sampleRate, blockSize);

    juce::AudioBuffer<float> inputBlock (numChannels, blockSize);
    juce::AudioBuffer<float> workBlock (numChannels, blockSize);
    juce::MidiBuffer midi;
    Result result;

    for (juce::int64 position = 0; position < totalSamples; position += blockSize)
    {
        const auto length = static_cast<int> (std::min<juce::int64> (blockSize, totalSamples - position));

        // Views of the first `length` samples: the processor sees a block of exactly that size.
        juce::AudioBuffer<float> inputView (inputBlock.getArrayOfWritePointers(), numChannels, length);
        juce::AudioBuffer<float> outputView (workBlock.getArrayOfWritePointers(), numChannels, length);

        if (! input.read (inputView.getArrayOfWritePointers(), numChannels, position, length))
        {
            result.outcome = juce::Result::fail ("cannot read the input at sample " + juce::String (position));
            break;
        }

        for (int channel = 0; channel < numChannels; ++channel)
            outputView.copyFrom (channel, 0, inputView, channel, 0, length);

        const auto started = juce::Time::getMillisecondCounterHiRes();
        processor.processBlock (outputView, midi);
        result.processingSeconds += (juce::Time::getMillisecondCounterHiRes() - started) / 1000.0;

        result.outcome = listener (inputView, outputView);
        if (result.outcome.failed())
            break;
    }

    processor.releaseResources();
    return result;
}
} // namespace Renderer
