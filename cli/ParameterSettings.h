#pragma once

#include "cli/Outcome.h"
#include "core/ParameterManager.h"

#include <vector>

// The renderer's view of the parameter table: reading "ID=VALUE" settings in real units, and
// describing parameters and values the way the user types them.
namespace ParameterSettings
{
using Table = std::vector<ParameterManager::ParamData>;

struct Setting
{
    juce::String id;
    float value = 0.0f; // real units, within the parameter's range, not yet snapped to its step
};

const ParameterManager::ParamData* find (const Table& table, const juce::String& id) noexcept;

// A parameter with its own text conversion and only two steps is a switch: it is typed and shown
// as one of its two words ("off", "on") and also accepts its two numbers.
bool isSwitch (const ParameterManager::ParamData& data);

// Reads one "ID=VALUE". Fails with a line naming the valid ids, or the range, or the words.
Outcome<Setting> parse (const juce::String& assignment, const Table& table);

// The value the parameter stores for a setting: snapped to the parameter's step.
float storedValue (const ParameterManager::ParamData& data, float value);

// "on"/"off" for a switch, otherwise the number in its shortest form, with no unit.
juce::String formatValue (const ParameterManager::ParamData& data, float value);

// The number in its shortest form, up to six significant digits ("0.1", "-48", "75").
juce::String formatNumber (float value);

// The range in words: "-48 to 48" or "off or on".
juce::String describeRange (const ParameterManager::ParamData& data);

// Every parameter's current value as "id=value", in table order: settings that can be typed back.
juce::StringArray describeCurrent (const Table& table, const ParameterManager& parameters);

// The table as --list-params prints it: id, name, range, step, default and unit, one row each.
juce::String describeTable (const Table& table);
} // namespace ParameterSettings
