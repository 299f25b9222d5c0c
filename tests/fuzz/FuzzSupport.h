#pragma once

#include "core/PluginProcessor.h"

#include <cstdlib>
#include <cstdio>

// What the fuzz targets share: one JUCE-initialised processor for the whole run, and the check
// that every parameter holds a value its range allows, whatever the input did.
namespace FuzzSupport
{
// JUCE is initialised once and never shut down, and the processor is never destroyed: the order
// in which statics die at exit would otherwise tear JUCE down under them. Both stay reachable,
// so the leak checker doesn't count them.
inline TemplateEffectAudioProcessor& processor()
{
    static auto* instance = [] {
        juce::initialiseJuce_GUI();
        return new TemplateEffectAudioProcessor();
    }();
    return *instance;
}

inline std::vector<float> parameterValues (TemplateEffectAudioProcessor& p)
{
    std::vector<float> values;
    for (const auto& data : p.getParameterTable())
        values.push_back (p.getParameterManager().getRawValue (data.id));
    return values;
}

inline void requireLegalValues (TemplateEffectAudioProcessor& p)
{
    for (const auto& data : p.getParameterTable())
    {
        const auto value = p.getParameterManager().getRawValue (data.id);
        if (! (value >= data.range.start && value <= data.range.end && value == data.range.snapToLegalValue (value)))
        {
            std::fprintf (stderr, "%s holds the illegal value %g\n", data.id.toRawUTF8(), static_cast<double> (value));
            std::abort();
        }
    }
}
} // namespace FuzzSupport
