#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

// What the preset actions ask of a file dialog, and the seam through which they ask it: the editor
// uses JUCE's asynchronous chooser, tests answer the request themselves.
struct FileDialogRequest
{
    juce::String title;
    juce::File initialLocation;
    juce::String filePattern;
    int flags = 0; // juce::FileBrowserComponent::FileChooserFlags
};

// Receives the chosen file, or juce::File() when the dialog was cancelled.
using FileDialogResult = std::function<void (const juce::File& chosen)>;
using FileDialogLauncher = std::function<void (const FileDialogRequest& request, FileDialogResult onResult)>;

// Asks whether an existing file may be replaced; answers true to replace it.
using ReplaceConfirmation = std::function<void (const juce::File& existing, std::function<void (bool)> onAnswer)>;

// The platform's native file dialog, shown asynchronously. It keeps the open chooser, so a dialog
// still open when its owner goes away closes with it and never answers into a destroyed editor.
class JuceFileDialog
{
public:
    void launch (const FileDialogRequest& request, FileDialogResult onResult);

private:
    std::unique_ptr<juce::FileChooser> chooser;
};

// The platform's message box with "Replace" and "Cancel", shown asynchronously.
void askToReplaceFile (const juce::File& existing, std::function<void (bool)> onAnswer);
