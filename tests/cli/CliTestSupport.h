#pragma once

#include "core/ParameterManager.h"
#include "presets/PresetLocation.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <string>
#include <vector>

#include "JuceScratchFolder.h"

namespace CliTesting
{
using TemporaryFolder = JuceScratchFolder;

// Every name in a folder, hidden ones too, sorted: a left-over temporary file must show.
std::vector<std::string> namesIn (const juce::File& folder);

juce::MemoryBlock contentsOf (const juce::File& file);

struct AudioFile
{
    juce::AudioBuffer<float> samples;
    double sampleRate = 0.0;
    int bitsPerSample = 0;
    bool isFloat = false;
    juce::String formatName;
};

// Reads a WAV, AIFF or FLAC file whole; an empty result (no channels) when it cannot.
AudioFile readAudio (const juce::File& file);

// Writes samples in the format of the file's suffix; 32 bits means float for WAV.
void writeAudio (const juce::File& file, const juce::AudioBuffer<float>& samples, double sampleRate, int bitsPerSample);

// Tone bursts of changing loudness over noise, different in each channel, repeatable.
juce::AudioBuffer<float> testSignal (int numChannels, double sampleRate, double seconds);

// A parameter as typed on the command line and the raw value the processor must receive for it.
struct Setting
{
    juce::String id;
    juce::String typed;
    float value = 0.0f;
};

// The parameter table's row for an id; throws for an id that is not in it.
const ParameterManager::ParamData& parameterData (const juce::String& id);

// "--set", "id=typed" for each setting.
std::vector<std::string> setArguments (const std::vector<Setting>& settings);

// The processor driven the way a host drives it: settings, prepared at the rate and block size,
// then block after block with a shorter last one.
juce::AudioBuffer<float> renderDirectly (const juce::AudioBuffer<float>& input, double sampleRate, int blockSize,
                                         const std::vector<Setting>& settings);

// A preset file: the first line, the entry count and the id/normalised-value pairs.
std::string presetText (const std::vector<std::pair<std::string, float>>& normalisedValues,
                        const std::string& firstLine = PresetLocation::productName);
} // namespace CliTesting
