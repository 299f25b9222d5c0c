#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"

#include <gtest/gtest.h>

namespace
{
juce::RangedAudioParameter& parameter (TemplateEffectAudioProcessor& processor, const char* id)
{
    return *processor.getParameterManager().parameters.getParameter (id);
}
} // namespace

TEST (ParameterTable, HostListsTheEightParametersInOrder)
{
    TemplateEffectAudioProcessor processor;
    const juce::StringArray names { "Power", "Transients", "Transients Power", "Multiband Comp",
                                    "Multiband Comp Power", "Parallel Comp", "Parallel Comp Power", "Gain" };
    const juce::StringArray ids { "powerId", "transientsId", "transientsPowerId", "multibandId",
                                  "multibandPowerId", "parallelId", "parallelPowerId", "gainId" };

    const auto& hostParameters = processor.getParameters();
    ASSERT_EQ (hostParameters.size(), 8);

    for (int i = 0; i < 8; ++i)
    {
        auto* p = dynamic_cast<juce::RangedAudioParameter*> (hostParameters[i]);
        ASSERT_NE (p, nullptr);
        EXPECT_EQ (p->getName (64), names[i]);
        EXPECT_EQ (p->getParameterID(), ids[i]);
        EXPECT_TRUE (p->isAutomatable());
        EXPECT_FALSE (p->isMetaParameter());
        EXPECT_FALSE (p->isDiscrete());
        EXPECT_FALSE (p->isBoolean());
        EXPECT_EQ (p->getCategory(), juce::AudioProcessorParameter::genericParameter);
    }
}

TEST (ParameterTable, RangesStepsLabelsAndDefaults)
{
    struct Row { const char* id; float start, end, defaultValue; int steps; const char* label; };
    const Row rows[] = {
        { "powerId", 0, 1, 1, 2, "" },
        { "transientsId", 0, 100, 50, 5, "%" },
        { "transientsPowerId", 0, 1, 1, 2, "" },
        { "multibandId", 0, 100, 50, 5, "%" },
        { "multibandPowerId", 0, 1, 1, 2, "" },
        { "parallelId", 0, 100, 50, 5, "%" },
        { "parallelPowerId", 0, 1, 1, 2, "" },
        { "gainId", -48, 48, 0, 961, "db" },
    };

    TemplateEffectAudioProcessor processor;
    auto& manager = processor.getParameterManager();

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.id);
        auto& p = parameter (processor, row.id);
        EXPECT_EQ (manager.getRawMinValue (row.id), row.start);
        EXPECT_EQ (manager.getRawMaxValue (row.id), row.end);
        EXPECT_EQ (manager.getRawDefaultValue (row.id), row.defaultValue);
        EXPECT_EQ (manager.getRawValue (row.id), row.defaultValue);
        EXPECT_EQ (p.getNumSteps(), row.steps);
        EXPECT_EQ (p.getLabel(), row.label);
    }
}

TEST (ParameterTable, SwitchesStoreZeroOrOneAndShowOffOrOn)
{
    TemplateEffectAudioProcessor processor;
    auto& power = parameter (processor, "powerId");

    power.setValueNotifyingHost (0.4f);
    EXPECT_EQ (processor.getParameterManager().getRawValue ("powerId"), 0.0f);
    EXPECT_EQ (power.getCurrentValueAsText(), "off");

    power.setValueNotifyingHost (0.5f);
    EXPECT_EQ (processor.getParameterManager().getRawValue ("powerId"), 1.0f);
    EXPECT_EQ (power.getCurrentValueAsText(), "on");
}

TEST (ParameterTable, SwitchTextIsOnOnlyForTheExactWordOn)
{
    const std::pair<const char*, float> cases[] = {
        { "on", 1.0f }, { "On", 0.0f }, { "ON", 0.0f }, { "1", 0.0f }, { "true", 0.0f },
        { "off", 0.0f }, { "yes", 0.0f }, { " on", 0.0f }, { "", 0.0f },
    };

    for (const auto& [text, value] : cases)
    {
        SCOPED_TRACE (text);
        EXPECT_EQ (switchTextToValue (text), value);
    }

    EXPECT_EQ (switchValueToText (0.49f), "off");
    EXPECT_EQ (switchValueToText (0.5f), "on");
    EXPECT_EQ (switchValueToText (std::numeric_limits<float>::quiet_NaN()), "on");
}

TEST (ParameterTable, AmountsSnapToQuartersAndGainToTenthsOfADecibel)
{
    TemplateEffectAudioProcessor processor;
    auto& manager = processor.getParameterManager();

    parameter (processor, "transientsId").setValueNotifyingHost (0.6f);
    EXPECT_EQ (manager.getRawValue ("transientsId"), 50.0f);

    auto& amount = parameter (processor, "multibandId");
    amount.setValueNotifyingHost (amount.getValueForText ("62.5"));
    EXPECT_EQ (manager.getRawValue ("multibandId"), 75.0f);

    manager.setRawValue ("gainId", -3.14f);
    EXPECT_NEAR (manager.getRawValue ("gainId"), -3.1f, 2.0e-6f);
    EXPECT_EQ (parameter (processor, "gainId").getCurrentValueAsText(), "-3.10");
    EXPECT_EQ (parameter (processor, "transientsId").getCurrentValueAsText(), "50.00");
}
