#include "core/ParameterTable.h"

juce::String switchValueToText (float value)
{
    return value < 0.5f ? "off" : "on";
}

float switchTextToValue (const juce::String& text)
{
    return text == "on" ? 1.0f : 0.0f;
}

namespace
{
ParameterManager::ParamData powerSwitch (const char* id, const char* name)
{
    return { id, name, {}, { 0.0f, 1.0f, 1.0f }, 1.0f, switchValueToText, switchTextToValue };
}

// Amounts move in quarters: 0, 25, 50, 75 or 100 %.
ParameterManager::ParamData amount (const char* id, const char* name)
{
    return { id, name, "%", { 0.0f, 100.0f, 25.0f }, 50.0f, {}, {} };
}
} // namespace

std::vector<ParameterManager::ParamData> createParameterTable()
{
    return {
        powerSwitch (ParameterIds::power, "Power"),
        amount (ParameterIds::transients, "Transients"),
        powerSwitch (ParameterIds::transientsPower, "Transients Power"),
        amount (ParameterIds::multiband, "Multiband Comp"),
        powerSwitch (ParameterIds::multibandPower, "Multiband Comp Power"),
        amount (ParameterIds::parallel, "Parallel Comp"),
        powerSwitch (ParameterIds::parallelPower, "Parallel Comp Power"),
        { ParameterIds::gain, "Gain", "db", { -48.0f, 48.0f, 0.1f }, 0.0f, {}, {} },
    };
}
