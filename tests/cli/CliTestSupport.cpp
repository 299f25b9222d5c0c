#include "CliTestSupport.h"

#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace CliTesting
{
std::vector<std::string> namesIn (const juce::File& folder)
{
    return ::namesIn (folder.getFullPathName().toStdString());
}

juce::MemoryBlock contentsOf (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return block;
}

namespace
{
juce::AudioFormatManager& formats()
{
    static juce::AudioFormatManager manager;
    if (manager.getNumKnownFormats() == 0)
    {
        manager.registerFormat (new juce::WavAudioFormat(), true);
        manager.registerFormat (new juce::AiffAudioFormat(), false);
        manager.registerFormat (new juce::FlacAudioFormat(), false);
    }
    return manager;
}
} // namespace

AudioFile readAudio (const juce::File& file)
{
    AudioFile audio;
    const std::unique_ptr<juce::AudioFormatReader> reader (formats().createReaderFor (file));

    if (reader == nullptr)
        return audio;

    audio.samples.setSize (static_cast<int> (reader->numChannels), static_cast<int> (reader->lengthInSamples));
    reader->read (audio.samples.getArrayOfWritePointers(), audio.samples.getNumChannels(), 0,
                  audio.samples.getNumSamples());
    audio.sampleRate = reader->sampleRate;
    audio.bitsPerSample = static_cast<int> (reader->bitsPerSample);
    audio.isFloat = reader->usesFloatingPointData;
    audio.formatName = reader->getFormatName();
    return audio;
}

void writeAudio (const juce::File& file, const juce::AudioBuffer<float>& samples, double sampleRate, int bitsPerSample)
{
    auto* format = formats().findFormatForFileExtension (file.getFileExtension());
    auto stream = std::make_unique<juce::FileOutputStream> (file);

    if (format == nullptr || stream->failedToOpen())
        throw std::runtime_error ("cannot write " + file.getFullPathName().toStdString());

    std::unique_ptr<juce::AudioFormatWriter> writer (format->createWriterFor (
        stream.get(), sampleRate, static_cast<unsigned int> (samples.getNumChannels()), bitsPerSample, {}, 0));

    if (writer == nullptr)
        throw std::runtime_error ("no writer for " + file.getFullPathName().toStdString());

    stream.release();
    writer->writeFromAudioSampleBuffer (samples, 0, samples.getNumSamples());
}

juce::AudioBuffer<float> testSignal (int numChannels, double sampleRate, double seconds)
{
    const auto length = static_cast<int> (std::lround (sampleRate * seconds));
    juce::AudioBuffer<float> signal (numChannels, length);
    juce::Random random (17);

    for (int channel = 0; channel < numChannels; ++channel)
    {
        for (int i = 0; i < length; ++i)
        {
            const auto time = i / sampleRate;
            const auto burstTime = std::fmod (time, 0.25);
            // Loud and quiet bursts in turn, so the compressors and the shaper have work to do.
            const auto loudness = std::fmod (time, 1.0) < 0.5 ? 0.8 : 0.1;
            const auto tone = std::sin (juce::MathConstants<double>::twoPi * (110.0 + 55.0 * channel) * time);
            const auto noise = random.nextFloat() * 2.0f - 1.0f;
            signal.setSample (
                channel, i, static_cast<float> (loudness * std::exp (-burstTime / 0.05) * (0.7 * tone + 0.3 * noise)));
        }
    }

    return signal;
}

const ParameterManager::ParamData& parameterData (const juce::String& id)
{
    static const auto table = createParameterTable();
    for (const auto& data : table)
        if (data.id == id)
            return data;
    throw std::logic_error ("no parameter " + id.toStdString());
}

std::vector<std::string> setArguments (const std::vector<Setting>& settings)
{
    std::vector<std::string> arguments;
    for (const auto& setting : settings)
    {
        arguments.push_back ("--set");
        arguments.push_back ((setting.id + "=" + setting.typed).toStdString());
    }
    return arguments;
}

juce::AudioBuffer<float> renderDirectly (const juce::AudioBuffer<float>& input, double sampleRate, int blockSize,
                                         const std::vector<Setting>& settings)
{
    TemplateEffectAudioProcessor processor;
    for (const auto& setting : settings)
        processor.getParameterManager().setRawValue (setting.id, setting.value);

    processor.prepareToPlay (sampleRate, blockSize);

    auto output = input;
    juce::MidiBuffer midi;

    for (int start = 0; start < output.getNumSamples(); start += blockSize)
    {
        const auto length = std::min (blockSize, output.getNumSamples() - start);
        juce::AudioBuffer<float> block (output.getArrayOfWritePointers(), output.getNumChannels(), start, length);
        processor.processBlock (block, midi);
    }

    return output;
}

std::string presetText (const std::vector<std::pair<std::string, float>>& normalisedValues,
                        const std::string& firstLine)
{
    std::ostringstream text;
    text << firstLine << "\n" << normalisedValues.size() << "\n";
    for (const auto& [id, value] : normalisedValues)
        text << id << "\n" << value << "\n";
    return text.str();
}
} // namespace CliTesting
