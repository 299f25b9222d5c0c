#pragma once

#include "editor/Background.h"
#include "editor/EditorServices.h"
#include "editor/PresetActions.h"
#include "editor/ZLMPeakMeter.h"
#include "editor/ZLMPluginNameButton.h"
#include "editor/ZLMPowerButton.h"
#include "editor/ZLMPresetButton.h"
#include "editor/ZLMPresetLabel.h"
#include "editor/ZLMRotaryControl.h"
#include "editor/ZLMTextLink.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_audio_utils/juce_audio_utils.h>

#include <array>

class TemplateEffectAudioProcessor;

// The plug-in window: a fixed 625 x 395 panel of custom-drawn components, kept in step with the
// processor by a 20 ms refresh that dims the controls of switched-off sections and shows every
// parameter's current value. The two waveform displays are the processor's; the window only places
// and dims them.
class TemplateEffectAudioProcessorEditor : public juce::AudioProcessorEditor, private juce::Timer
{
public:
    explicit TemplateEffectAudioProcessorEditor (TemplateEffectAudioProcessor& processor, EditorServices services = {});
    ~TemplateEffectAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // One refresh: the power flags, the dimming and the values shown.
    void updateGuiFromProcessor();

    static constexpr int editorWidth = 625;
    static constexpr int editorHeight = 395;
    static constexpr int refreshIntervalMs = 20;

    // The children, for tests.
    Background& getBackground() noexcept { return background; }
    ZLMCompanyLogo& getCompanyLogo() noexcept { return companyLogo; }
    ZLMBuyLink& getBuyLink() noexcept { return buyLink; }
    ZLMPluginNameButton& getPluginNameButton() noexcept { return pluginNameButton; }
    ZLMPresetButton& getPresetButton (ZLMPresetButton::Kind kind) noexcept { return presetButtons[(size_t)kind]; }
    ZLMPresetLabel& getPresetLabel() noexcept { return presetLabel; }
    ZLMRotaryControl& getTransientsControl() noexcept { return transientsControl; }
    ZLMRotaryControl& getMultibandControl() noexcept { return multibandControl; }
    ZLMRotaryControl& getParallelControl() noexcept { return parallelControl; }
    ZLMRotaryControl& getGainControl() noexcept { return gainControl; }
    ZLMPowerButton& getTransientsPowerButton() noexcept { return transientsPowerButton; }
    ZLMPowerButton& getMultibandPowerButton() noexcept { return multibandPowerButton; }
    ZLMPowerButton& getParallelPowerButton() noexcept { return parallelPowerButton; }
    ZLMPeakMeter& getPeakMeter() noexcept { return peakMeter; }

private:
    void timerCallback() override;
    void configureChildren (const EditorServices& services);
    void configureKnob (ZLMRotaryControl& knob, const juce::String& caption, std::array<juce::String, 5> scaleLabels,
                        int bipolar);
    void wirePresetButtons();

    TemplateEffectAudioProcessor& processor;
    const juce::Font displayFont;
    const juce::Font productNameFont;
    Background background;
    ZLMCompanyLogo companyLogo;
    ZLMBuyLink buyLink;
    ZLMPluginNameButton pluginNameButton;
    PresetManager presetManager;
    std::array<ZLMPresetButton, 4> presetButtons;
    ZLMPresetLabel presetLabel;
    PresetActions presetActions;
    ZLMRotaryControl transientsControl, multibandControl, parallelControl;
    ZLMPowerButton transientsPowerButton, multibandPowerButton, parallelPowerButton;
    ZLMRotaryControl gainControl;
    ZLMPeakMeter peakMeter;
    juce::AudioVisualiserComponent* outputDisplay = nullptr;
    juce::AudioVisualiserComponent* inputDisplay = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TemplateEffectAudioProcessorEditor)
};
