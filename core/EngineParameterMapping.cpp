#include "core/EngineParameterMapping.h"

#include "core/ParameterTable.h"
#include "engine/ParameterMapping.h"

void applyParameterToEngine (TarvikEffect& engine, const juce::String& parameterID, double value) noexcept
{
    using namespace Tarvik::ParameterMapping;

    if (parameterID == ParameterIds::power)
        engine.setPower (switchOn (value));
    else if (parameterID == ParameterIds::transients)
        engine.setTransientsAmount (shareFromPercent (value));
    else if (parameterID == ParameterIds::transientsPower)
        engine.setTransientsBypass (bypassFromPowerSwitch (value));
    else if (parameterID == ParameterIds::multiband)
        engine.setMultibandAmount (shareFromPercent (value));
    else if (parameterID == ParameterIds::multibandPower)
        engine.setMultibandBypass (bypassFromPowerSwitch (value));
    else if (parameterID == ParameterIds::parallel)
        engine.setParallelAmount (shareFromPercent (value));
    else if (parameterID == ParameterIds::parallelPower)
        engine.setParallelBypass (bypassFromPowerSwitch (value));
    else if (parameterID == ParameterIds::gain)
        engine.setGain (gainFromDecibels (value));
}
