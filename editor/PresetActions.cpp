#include "editor/PresetActions.h"

PresetActions::PresetActions (PresetManager& presetManager, ZLMPresetLabel& presetLabel)
    : launchFileDialog ([this] (const FileDialogRequest& request, FileDialogResult onResult)
                        { juceFileDialog.launch (request, std::move (onResult)); })
    , presets (presetManager)
    , label (presetLabel)
{
}

PresetActions::~PresetActions() = default;

void PresetActions::previousPreset()
{
    presets.previousPreset();
    showCurrentName();
}

void PresetActions::nextPreset()
{
    presets.nextPreset();
    showCurrentName();
}

void PresetActions::loadPreset()
{
    launchFileDialog (
        requestFor ("Load preset", juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles),
        [weakThis = juce::WeakReference<PresetActions> (this)] (const juce::File& chosen)
        {
            if (weakThis != nullptr)
                weakThis->loadChosenFile (chosen);
        });
}

void PresetActions::savePreset()
{
    launchFileDialog (requestFor ("Save preset", juce::FileBrowserComponent::saveMode
                                                     | juce::FileBrowserComponent::canSelectFiles
                                                     | juce::FileBrowserComponent::warnAboutOverwriting),
                      [weakThis = juce::WeakReference<PresetActions> (this)] (const juce::File& chosen)
                      {
                          if (weakThis != nullptr)
                              weakThis->saveToChosenFile (chosen);
                      });
}

FileDialogRequest PresetActions::requestFor (const juce::String& title, int flags) const
{
    return { title, juce::File (juce::String (presets.presetFolder)), "*." + juce::String (presets.suffix), flags };
}

void PresetActions::loadChosenFile (const juce::File& chosen)
{
    // A cancelled dialog answers with no file; a folder or a vanished file loads nothing either.
    if (chosen.existsAsFile())
    {
        presets.currentPresetPath = chosen.getFullPathName().toStdString();
        presets.loadPresetInternal (presets.currentPresetPath);
    }

    showCurrentName();
}

void PresetActions::saveToChosenFile (const juce::File& chosen)
{
    if (chosen == juce::File())
    {
        showCurrentName();
        return;
    }

    const auto target = withPresetSuffix (chosen);

    // The dialog only warned about the name as typed; the suffixed file may exist as well.
    if (target != chosen && target.exists())
    {
        confirmReplace (target,
                        [weakThis = juce::WeakReference<PresetActions> (this), target] (bool replace)
                        {
                            if (weakThis == nullptr)
                                return;

                            if (replace)
                                weakThis->writePreset (target);
                            else
                                weakThis->showCurrentName();
                        });
        return;
    }

    writePreset (target);
}

void PresetActions::writePreset (const juce::File& target)
{
    presets.currentPresetPath = target.getFullPathName().toStdString();

    // Only a written file gets its name shown and joins the stepping at once; a failed write
    // leaves name and list as they were.
    if (presets.savePreset (presets.currentPresetPath))
    {
        presets.labelText = presets.getLabelText (presets.currentPresetPath);
        presets.createList();
    }

    showCurrentName();
}

// The dialogs of this platform add no suffix; a preset without it would be neither listed nor named
// right, so the save adds it.
juce::File PresetActions::withPresetSuffix (const juce::File& chosen) const
{
    const auto dottedSuffix = "." + juce::String (presets.suffix);

    if (chosen.getFileName().endsWith (dottedSuffix))
        return chosen;

    return juce::File (chosen.getFullPathName() + dottedSuffix);
}

void PresetActions::showCurrentName()
{
    label.text = juce::String::fromUTF8 (presets.labelText.c_str());
    label.repaint();
}
