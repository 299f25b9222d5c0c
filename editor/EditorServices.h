#pragma once

#include "editor/FileDialogs.h"
#include "editor/WebLinks.h"
#include "presets/PresetLocation.h"
#include "presets/PresetManager.h"

#include <string>

// What the editor reaches outside the plug-in for: the preset folder, the browser, the file dialogs
// and the message boxes. The defaults are the real ones; tests put their own in.
struct EditorServices
{
    std::string presetFolder = PresetLocation::defaultPresetFolder();
    WebLinks::Opener openPage = WebLinks::openInDefaultBrowser;
    FileDialogLauncher launchFileDialog;   // empty: the platform's file dialog
    ReplaceConfirmation confirmReplace;    // empty: the platform's message box
    PresetManager::ErrorDisplay showError; // empty: the preset manager's own message box
};
