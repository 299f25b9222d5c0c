#include "cli/PendingFile.h"

PendingFile::PendingFile (const juce::File& targetFile)
    : target (targetFile)
    , temporary (targetFile, juce::TemporaryFile::useHiddenFile)
{
}

juce::Result PendingFile::moveIntoPlace()
{
    if (temporary.overwriteTargetFileWithTemporary())
        return juce::Result::ok();

    return juce::Result::fail ("cannot move the finished file into place as \"" + target.getFullPathName() + "\"");
}

namespace
{
// FLAC's usual balance of speed and size; the samples are lossless at every level.
constexpr int flacCompressionLevel = 5;
} // namespace

Outcome<std::unique_ptr<PendingAudioFile>> PendingAudioFile::open (const juce::File& target,
                                                                   const AudioFiles::OutputFormat& output,
                                                                   double sampleRate, int numChannels)
{
    using Answer = Outcome<std::unique_ptr<PendingAudioFile>>;
    std::unique_ptr<PendingAudioFile> pending (new PendingAudioFile (target));
    const auto failure = [&] (const juce::String& reason)
    { return Answer::failure ("cannot write \"" + target.getFullPathName() + "\": " + reason); };

    auto stream = std::make_unique<juce::FileOutputStream> (pending->file.getFile());

    if (stream->failedToOpen())
        return failure (stream->getStatus().getErrorMessage());

    pending->writer.reset (output.format->createWriterFor (stream.get(), sampleRate,
                                                           static_cast<unsigned int> (numChannels),
                                                           output.bitsPerSample, {}, flacCompressionLevel));

    if (pending->writer == nullptr)
        return failure (AudioFiles::describe (output) + " cannot be written at " + juce::String (sampleRate)
                        + " Hz with " + juce::String (numChannels) + " channels");

    stream.release(); // the writer owns it now

    return Answer (std::move (pending));
}

juce::Result PendingAudioFile::write (const juce::AudioBuffer<float>& block)
{
    if (writer->writeFromAudioSampleBuffer (block, 0, block.getNumSamples()))
        return juce::Result::ok();

    return juce::Result::fail ("cannot write \"" + file.getTarget().getFullPathName()
                               + "\": the disk refused the samples");
}

juce::Result PendingAudioFile::finish()
{
    writer.reset();
    return file.moveIntoPlace();
}
