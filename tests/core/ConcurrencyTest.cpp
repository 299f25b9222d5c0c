#include "core/EngineParameterMapping.h"
#include "core/PluginProcessor.h"
#include "presets/PresetManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

namespace
{
// A preset folder of its own for the test, removed afterwards.
struct PresetFolder
{
    PresetFolder()
    {
        folder.createDirectory();
        folder.getChildFile ("Loud.zlm2").replaceWithText ("Dravlen2Lite\n8\npowerId\n1\ntransientsId\n1\ntransientsPowerId\n1\n"
                                                           "multibandId\n0.75\nmultibandPowerId\n1\nparallelId\n1\n"
                                                           "parallelPowerId\n1\ngainId\n0.6\n");
        folder.getChildFile ("Off.zlm2").replaceWithText ("Dravlen2Lite\n2\npowerId\n0\ngainId\n0.25\n");
    }

    ~PresetFolder() { folder.deleteRecursively(); }

    const juce::File folder = juce::File::createTempFile ("presets");
};

bool sameTargets (const TarvikEffect::Targets& a, const TarvikEffect::Targets& b)
{
    return a.power == b.power && a.transientsAmount == b.transientsAmount && a.transientsBypass == b.transientsBypass
           && a.multibandAmount == b.multibandAmount && a.multibandBypass == b.multibandBypass
           && a.parallelAmount == b.parallelAmount && a.parallelBypass == b.parallelBypass && a.gain == b.gain;
}
} // namespace

// Editor, host, preset and state-restore threads change parameters while the audio thread runs.
// No change may be lost: one more block after the storm brings every final value to the engine.
TEST (Concurrency, ParameterStormWhileAudioRuns)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);
    auto& manager = processor.getParameterManager();
    const auto& table = processor.getParameterTable();

    juce::MemoryBlock savedState;
    manager.setRawValue ("gainId", -9.0f);
    processor.getStateInformation (savedState);

    PresetFolder presets;
    PresetManager presetManager (manager, presets.folder.getFullPathName().toStdString() + "/");
    presetManager.showError = [] (const std::string&, const std::string&) {};

    // About 21 s of audio at 48 kHz, with the writers busy throughout.
    constexpr int stormBlocks = 4000;
    std::atomic<bool> stop { false };
    std::atomic<int> blocks { 0 };

    std::thread audio ([&] {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        std::mt19937 random (1);
        std::uniform_real_distribution<float> sample (-1.0f, 1.0f);
        while (! stop.load())
        {
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 256; ++i)
                    buffer.setSample (ch, i, sample (random));
            processor.processBlock (buffer, midi);
            blocks.fetch_add (1);
        }
    });

    std::thread editor ([&] {
        std::mt19937 random (2);
        std::uniform_real_distribution<float> proportion (0.0f, 1.0f);
        for (int i = 0; i < 3000 || blocks.load() < stormBlocks; ++i)
        {
            const auto& data = table[(size_t) i % table.size()];
            manager.setRawValue (data.id, data.range.convertFrom0to1 (proportion (random)));
        }
    });

    std::thread host ([&] {
        std::mt19937 random (3);
        std::uniform_real_distribution<float> proportion (0.0f, 1.0f);
        const auto& parameters = processor.getParameters();
        for (int i = 0; i < 3000 || blocks.load() < stormBlocks; ++i)
        {
            parameters[i % parameters.size()]->setValueNotifyingHost (proportion (random));

            if (i % 100 == 0)
                processor.setStateInformation (savedState.getData(), (int) savedState.getSize());
            if (i % 100 == 50)
                presetManager.loadPresetInternal (presetManager.presetList[(size_t) (i / 100) % presetManager.presetList.size()]);
        }
    });

    editor.join();
    host.join();
    stop.store (true);
    audio.join();

    // The parameters' final values, as the engine should hold them after one more block.
    TarvikEffect expected;
    for (const auto& data : table)
        applyParameterToEngine (expected, data.id, manager.getRawValue (data.id));

    juce::AudioBuffer<float> buffer (2, 64);
    buffer.clear();
    juce::MidiBuffer midi;
    processor.processBlock (buffer, midi);

    EXPECT_TRUE (sameTargets (processor.getEngineTargets(), expected.getTargets()));
    EXPECT_GE (blocks.load(), stormBlocks);
}
