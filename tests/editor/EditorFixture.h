#pragma once

#include "EditorTestSupport.h"

#include "editor/PluginEditor.h"

#include <optional>

namespace EditorTesting
{
// A processor, a preset folder of its own and an editor whose browser, dialogs and message boxes are
// answered by the test. The editor is built on demand, so a test can set parameters first.
class EditorFixture : public ProcessorFixture
{
protected:
    TemplateEffectAudioProcessorEditor& editor()
    {
        if (! editorInstance.has_value())
            openEditor();

        return *editorInstance;
    }

    void openEditor()
    {
        editorInstance.reset();

        EditorServices services;
        services.presetFolder = presetFolder.get().getFullPathName().toStdString();
        services.openPage = [this] (const juce::URL& url) { openedPages.add (url); };
        services.launchFileDialog = [this] (const FileDialogRequest& request, FileDialogResult onResult)
        {
            dialogRequests.push_back (request);
            pendingDialog = std::move (onResult);
        };
        services.confirmReplace = [this] (const juce::File& file, std::function<void (bool)> onAnswer)
        {
            replaceQuestions.add (file);
            pendingConfirmation = std::move (onAnswer);
        };
        services.showError = [this] (const std::string& title, const std::string& message)
        { errors.add (juce::String (title) + ": " + juce::String (message)); };

        editorInstance.emplace (processor, std::move (services));
    }

    // The user picks file in the open dialog (juce::File() cancels it).
    void answerDialog (const juce::File& file)
    {
        ASSERT_TRUE (pendingDialog != nullptr);
        auto answer = std::exchange (pendingDialog, nullptr);
        answer (file);
    }

    void press (ZLMPresetButton::Kind kind)
    {
        auto& button = editor().getPresetButton (kind);
        button.mouseDown (mouseEvent (button, { 2, 2 }));
    }

    juce::String shownPresetName() { return editor().getPresetLabel().text; }

    TemporaryFolder presetFolder;
    juce::Array<juce::URL> openedPages;
    std::vector<FileDialogRequest> dialogRequests;
    FileDialogResult pendingDialog;
    juce::Array<juce::File> replaceQuestions;
    std::function<void (bool)> pendingConfirmation;
    juce::StringArray errors;
    std::optional<TemplateEffectAudioProcessorEditor> editorInstance;
};
} // namespace EditorTesting
