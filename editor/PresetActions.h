#pragma once

#include "editor/FileDialogs.h"
#include "editor/ZLMPresetLabel.h"
#include "presets/PresetManager.h"

// The four actions of the preset selector: step back, step forward, load any preset file and save
// the current settings as one. Each ends by showing the preset manager's current name in the label.
// The dialogs are asynchronous; their answers are handled in the callbacks.
class PresetActions
{
public:
    PresetActions (PresetManager& presetManager, ZLMPresetLabel& presetLabel);
    ~PresetActions();

    void previousPreset();
    void nextPreset();
    void loadPreset();
    void savePreset();

    // The seams; by default the platform's dialogs.
    FileDialogLauncher launchFileDialog;
    ReplaceConfirmation confirmReplace{ askToReplaceFile };

private:
    FileDialogRequest requestFor (const juce::String& title, int flags) const;
    void loadChosenFile (const juce::File& chosen);
    void saveToChosenFile (const juce::File& chosen);
    void writePreset (const juce::File& target);
    juce::File withPresetSuffix (const juce::File& chosen) const;
    void showCurrentName();

    PresetManager& presets;
    ZLMPresetLabel& label;
    JuceFileDialog juceFileDialog;

    JUCE_DECLARE_WEAK_REFERENCEABLE (PresetActions)
    JUCE_DECLARE_NON_COPYABLE (PresetActions)
};
