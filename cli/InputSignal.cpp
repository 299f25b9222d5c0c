#include "cli/InputSignal.h"

#include "cli/AudioFiles.h"
#include "cli/DemoSignal.h"
#include "cli/FilePaths.h"

namespace InputSignals
{
namespace
{
InputSignal demoSignal()
{
    auto reader = std::make_unique<BufferReader> (DemoSignal::generate(), DemoSignal::sampleRate);
    InputSignal signal;
    signal.demo = reader.get();
    signal.reader = std::move (reader);
    signal.description = "demo signal";
    signal.bitsPerSample = DemoSignal::bitsPerSample;
    return signal;
}
} // namespace

Outcome<InputSignal> open (const RenderRequest& request, juce::AudioFormatManager& formats)
{
    if (request.useDemo)
        return demoSignal();

    const auto file = FilePaths::resolve (request.inputPath);

    if (const auto readable = FilePaths::checkReadable (file, "INPUT"); readable.failed())
        return Outcome<InputSignal>::failure (readable.getErrorMessage());

    auto reader = AudioFiles::openInput (formats, file);
    if (! reader.succeeded())
        return Outcome<InputSignal>::failure (reader.getError());

    InputSignal signal;
    signal.bitsPerSample = static_cast<int> ((*reader)->bitsPerSample);
    signal.reader = std::move (*reader);
    signal.file = file;
    signal.description = file.getFullPathName();
    return signal;
}
} // namespace InputSignals
