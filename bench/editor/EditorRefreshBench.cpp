#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"
#include "editor/PluginEditor.h"

#include <benchmark/benchmark.h>

namespace
{
// The editor as a host shows it, with a preset folder that holds nothing.
struct OpenEditor
{
    OpenEditor()
    {
        EditorServices services;
        services.presetFolder = folder.getFullPathName().toStdString();
        editor = std::make_unique<TemplateEffectAudioProcessorEditor> (processor, std::move (services));
    }

    ~OpenEditor()
    {
        editor.reset();
        folder.deleteRecursively();
    }

    // What the framework does after each tick: the background's repaint covers the whole window.
    void paintWindow()
    {
        juce::Graphics g (canvas);
        editor->paintEntireComponent (g, false);
    }

    const juce::File folder{ juce::File::getSpecialLocation (juce::File::tempDirectory)
                                 .getNonexistentChildFile ("dravlen-editor-bench", {}, false) };
    TemplateEffectAudioProcessor processor;
    std::unique_ptr<TemplateEffectAudioProcessorEditor> editor;
    juce::Image canvas{ juce::Image::ARGB, TemplateEffectAudioProcessorEditor::editorWidth,
                        TemplateEffectAudioProcessorEditor::editorHeight, true, juce::SoftwareImageType() };
};

// Nothing changes between ticks: the cost of an idle, open window.
void idleRefreshTick (benchmark::State& state)
{
    OpenEditor open;

    for (auto _ : state)
    {
        open.editor->updateGuiFromProcessor();
        open.paintWindow();
        benchmark::DoNotOptimize (open.canvas.getPixelAt (300, 200));
    }
}
BENCHMARK (idleRefreshTick)->Unit (benchmark::kMicrosecond);

// A host automates the gain and flips a section on and off: every tick has something new to show.
void automatedRefreshTick (benchmark::State& state)
{
    OpenEditor open;
    auto& manager = open.processor.getParameterManager();
    int tick = 0;

    for (auto _ : state)
    {
        manager.setRawValue (ParameterIds::gain, static_cast<float> (tick % 96 - 48));
        manager.setRawValue (ParameterIds::multibandPower, static_cast<float> (tick % 2));
        open.editor->updateGuiFromProcessor();
        open.paintWindow();
        benchmark::DoNotOptimize (open.canvas.getPixelAt (300, 200));
        ++tick;
    }
}
BENCHMARK (automatedRefreshTick)->Unit (benchmark::kMicrosecond);
} // namespace

// The editor's components and timers need JUCE running, with this thread as the message thread.
int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
