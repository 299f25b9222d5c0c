#pragma once

#include "cli/AudioFiles.h"

#include <juce_audio_formats/juce_audio_formats.h>

// A file written under a hidden temporary name beside its target and moved over the target only
// when it is complete. Until then an existing target stays as it was; a pending file that is never
// moved into place is deleted with this object.
class PendingFile
{
public:
    explicit PendingFile (const juce::File& target);

    const juce::File& getTarget() const noexcept { return target; }
    const juce::File& getFile() const noexcept { return temporary.getFile(); }

    // Replaces the target by a rename within its folder.
    juce::Result moveIntoPlace();

private:
    juce::File target;
    juce::TemporaryFile temporary;

    JUCE_DECLARE_NON_COPYABLE (PendingFile)
};

// An audio writer into a pending file.
class PendingAudioFile
{
public:
    static Outcome<std::unique_ptr<PendingAudioFile>>
    open (const juce::File& target, const AudioFiles::OutputFormat& output, double sampleRate, int numChannels);

    juce::Result write (const juce::AudioBuffer<float>& block);

    // Completes the file (its header is written as the writer closes) and moves it into place.
    juce::Result finish();

private:
    explicit PendingAudioFile (const juce::File& target)
        : file (target)
    {
    }

    PendingFile file;
    std::unique_ptr<juce::AudioFormatWriter> writer;
};
