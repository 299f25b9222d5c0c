#include "presets/PresetManager.h"

#include "presets/DirectoryScan.h"
#include "presets/FileReplacement.h"
#include "presets/PresetFormat.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>

namespace
{
std::string asFolder (std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';

    return folder;
}

bool isFolder (const std::string& path)
{
    struct stat status = {};
    return stat (path.c_str(), &status) == 0 && S_ISDIR (status.st_mode);
}

void showNativeError (const std::string& title, const std::string& message)
{
    juce::NativeMessageBox::showAsync (juce::MessageBoxOptions()
                                           .withIconType (juce::MessageBoxIconType::WarningIcon)
                                           .withTitle (juce::String::fromUTF8 (title.c_str()))
                                           .withMessage (juce::String::fromUTF8 (message.c_str()))
                                           .withButton ("OK"),
                                       nullptr);
}
} // namespace

PresetManager::PresetManager (ParameterManager& parameterManager, std::string folder)
    : manager (&parameterManager)
    , presetFolder (asFolder (std::move (folder)))
    , showError (showNativeError)
{
    createList();
}

void PresetManager::createList()
{
    int count = 0;
    findListSize (presetFolder, count);

    presetCount = count;
    presetList.assign (static_cast<size_t> (presetCount), std::string());

    int index = 0;
    fillList (presetFolder, presetList, index);
}

void PresetManager::findListSize (std::string folder, int& count) const
{
    DirectoryScan::forEachFile (folder,
                                [&] (const std::string&, const std::string& name)
                                {
                                    if (isCorrectSuffix (name))
                                        ++count;
                                });
}

// Files that appeared since the count are dropped; places of files that vanished stay empty.
void PresetManager::fillList (std::string folder, std::vector<std::string>& list, int& index) const
{
    const auto capacity = std::min (presetCount, static_cast<int> (list.size()));

    DirectoryScan::forEachFile (folder,
                                [&] (const std::string& path, const std::string& name)
                                {
                                    if (index < capacity && isCorrectSuffix (name))
                                        list[static_cast<size_t> (index++)] = path;
                                });
}

// The dot is not part of the test, and the case must match.
bool PresetManager::isCorrectSuffix (std::string name) const
{
    return name.size() >= suffix.size() && name.compare (name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The file name without the suffix and the character before it (taken to be the dot).
std::string PresetManager::getLabelText (std::string path) const
{
    const auto length = static_cast<long long> (path.size());
    const auto last = length - static_cast<long long> (suffix.size()) - 2;

    if (last < 0)
        return {};

    const auto slash = path.rfind ('/', static_cast<size_t> (last));
    const auto first = slash == std::string::npos ? size_t{ 0 } : slash + 1;
    return path.substr (first, static_cast<size_t> (last + 1) - first);
}

bool PresetManager::loadPresetInternal (std::string path)
{
    if (path.empty() || isFolder (path))
        return false;

    std::ifstream in (path, std::ios::binary);

    if (!in.is_open())
        return false;

    if (PresetFormat::readLine (in) != productName)
    {
        in.close();

        if (showError)
            showError ("Error", "This is not a " + productName + " preset!");

        return false;
    }

    const auto entries = PresetFormat::parseEntryCount (PresetFormat::readLine (in));
    const auto parameters = parametersInHostOrder();

    // Entries are matched by id; only a short file is taken to cover the first positions of the
    // host order, and everything after them returns to its default.
    for (int position = 0; position < parameters.size(); ++position)
    {
        if (position < entries)
            importParam (in);
        else
            parameters[position]->setValueNotifyingHost (parameters[position]->getDefaultValue());
    }

    in.close();
    labelText = getLabelText (path);
    return true;
}

void PresetManager::importParam (std::istream& in)
{
    const auto id = PresetFormat::readLine (in);
    const auto valueText = PresetFormat::readLine (in);

    // No parameter id holds bytes that are not UTF-8, and the framework must not be handed them.
    if (id.empty() || !juce::CharPointer_UTF8::isValidString (id.c_str(), static_cast<int> (id.size())))
        return;

    if (auto* parameter = manager->parameters.getParameter (juce::String::fromUTF8 (id.c_str())))
        parameter->setValueNotifyingHost (PresetFormat::parseValue (valueText));
}

void PresetManager::previousPreset()
{
    step (-1);
}

void PresetManager::nextPreset()
{
    step (1);
}

// The current preset is found by its shown name, not its path, so stepping also continues after a
// preset of the same name was loaded from elsewhere.
void PresetManager::step (int direction)
{
    if (presetCount <= 0 || presetList.empty())
        return;

    const auto last = std::min (presetCount, static_cast<int> (presetList.size())) - 1;
    int target = direction > 0 ? 0 : last;

    if (!currentPresetPath.empty())
    {
        const auto currentName = getLabelText (currentPresetPath);
        int found = -1;

        for (int i = 0; i <= last && found < 0; ++i)
            if (getLabelText (presetList[static_cast<size_t> (i)]) == currentName)
                found = i;

        if (found < 0)
            return;

        if (direction > 0)
            target = found == last ? 0 : found + 1;
        else
            target = found == 0 ? last : found - 1;
    }

    currentPresetPath = presetList[static_cast<size_t> (target)];
    loadPresetInternal (currentPresetPath);
}

bool PresetManager::savePreset (std::string path) const
{
    return FileReplacement::replaceFileContents (path, renderPreset());
}

std::string PresetManager::renderPreset() const
{
    const auto parameters = parametersInHostOrder();

    std::string text = productName + "\n" + std::to_string (parameters.size()) + "\n";

    for (const auto* parameter : parameters)
    {
        const auto raw = manager->getRawValue (parameter->paramID);
        const auto normalised = juce::jlimit (0.0f, 1.0f, parameter->getNormalisableRange().convertTo0to1 (raw));

        text += parameter->paramID.toStdString() + "\n" + PresetFormat::formatValue (normalised) + "\n";
    }

    return text;
}

juce::Array<juce::RangedAudioParameter*> PresetManager::parametersInHostOrder() const
{
    juce::Array<juce::RangedAudioParameter*> result;

    for (auto* parameter : manager->parameters.processor.getParameters())
        if (auto* ranged = dynamic_cast<juce::RangedAudioParameter*> (parameter))
            result.add (ranged);

    return result;
}
