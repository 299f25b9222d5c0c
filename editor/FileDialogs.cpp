#include "editor/FileDialogs.h"

void JuceFileDialog::launch (const FileDialogRequest& request, FileDialogResult onResult)
{
    // Native dialog, file packages not treated as folders, no parent component.
    chooser = std::make_unique<juce::FileChooser> (request.title, request.initialLocation, request.filePattern, true,
                                                   false, nullptr);
    chooser->launchAsync (request.flags, [callback = std::move (onResult)] (const juce::FileChooser& finished)
                          { callback (finished.getResult()); });
}

void askToReplaceFile (const juce::File& existing, std::function<void (bool)> onAnswer)
{
    juce::NativeMessageBox::showAsync (
        juce::MessageBoxOptions()
            .withIconType (juce::MessageBoxIconType::QuestionIcon)
            .withTitle ("Replace preset")
            .withMessage (existing.getFileName() + " already exists. Do you want to replace it?")
            .withButton ("Replace")
            .withButton ("Cancel"),
        [answer = std::move (onAnswer)] (int button) { answer (button == 0); });
}
