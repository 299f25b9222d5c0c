#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

namespace
{
const juce::StringArray parameterNames { "Power", "Transients", "Transients Power", "Multiband Comp",
                                         "Multiband Comp Power", "Parallel Comp", "Parallel Comp Power", "Gain" };

// Finds the plug-in in the bundle the build produced, the way a host's scan does.
std::unique_ptr<juce::PluginDescription> describe (juce::AudioPluginFormat& format)
{
    juce::OwnedArray<juce::PluginDescription> found;

    if (format.getName() == "VST3")
    {
        // The binary sits in <bundle>.vst3/Contents/<architecture>/.
        const auto bundle = juce::File (DRAVLEN_VST3_BINARY).getParentDirectory().getParentDirectory().getParentDirectory();
        format.findAllTypesForFile (found, bundle.getFullPathName());
    }
    else
    {
        const auto folder = juce::File (DRAVLEN_LV2_BINARY).getParentDirectory().getParentDirectory();
        for (const auto& uri : format.searchPathsForPlugins (juce::FileSearchPath (folder.getFullPathName()), false, false))
            if (uri.contains ("zolmerton"))
                format.findAllTypesForFile (found, uri);
    }

    return found.isEmpty() ? nullptr : std::make_unique<juce::PluginDescription> (*found.getFirst());
}

class PluginHost : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        if (juce::String (GetParam()) == "VST3")
            format = std::make_unique<juce::VST3PluginFormat>();
        else
            format = std::make_unique<juce::LV2PluginFormat>();

        description = describe (*format);
        ASSERT_NE (description, nullptr) << "the built " << GetParam() << " was not found";
    }

    std::unique_ptr<juce::AudioPluginInstance> instantiate()
    {
        juce::String error;
        auto instance = format->createInstanceFromDescription (*description, 44100.0, 512, error);
        EXPECT_NE (instance, nullptr) << error;
        return instance;
    }

    static juce::AudioProcessorParameter* parameterNamed (juce::AudioPluginInstance& instance, const juce::String& name)
    {
        for (auto* p : instance.getParameters())
            if (p->getName (64) == name)
                return p;
        return nullptr;
    }

    bool isLv2() const { return juce::String (GetParam()) == "LV2"; }

    // LV2 carries parameter changes both ways through the plug-in's run call, so a host only
    // sees them after a block.
    static void runOneBlock (juce::AudioPluginInstance& instance)
    {
        juce::AudioBuffer<float> silence (2, 64);
        silence.clear();
        juce::MidiBuffer midi;
        instance.processBlock (silence, midi);
    }

    std::unique_ptr<juce::AudioPluginFormat> format;
    std::unique_ptr<juce::PluginDescription> description;
};
} // namespace

TEST_P (PluginHost, PresentsNameMakerAndVersion)
{
    EXPECT_EQ (description->name, "Dravlen 2 Lite");
    EXPECT_EQ (description->manufacturerName, "Zolmerton");
    if (! isLv2()) // LV2 descriptions carry no version string for a host to read
        EXPECT_EQ (description->version, "2.0.0");
    EXPECT_FALSE (description->isInstrument);

    auto instance = instantiate();
    ASSERT_NE (instance, nullptr);
    EXPECT_EQ (instance->getName(), "Dravlen 2 Lite");
    EXPECT_FALSE (instance->acceptsMidi());
    EXPECT_FALSE (instance->producesMidi());
    EXPECT_EQ (instance->getLatencySamples(), 0);
    EXPECT_EQ (instance->getMainBusNumInputChannels(), 2);
    EXPECT_EQ (instance->getMainBusNumOutputChannels(), 2);
}

TEST_P (PluginHost, ListsTheEightParametersInOrderWithTheirTexts)
{
    auto instance = instantiate();
    ASSERT_NE (instance, nullptr);

    juce::StringArray names;
    for (auto* p : instance->getParameters())
        if (parameterNames.contains (p->getName (64)))
            names.add (p->getName (64));
    if (isLv2())
    {
        // JUCE's LV2 host lists parameters sorted by URI; the bundle declares them in host order.
        auto sorted = parameterNames;
        sorted.sort (false);
        EXPECT_EQ (names.joinIntoString (", "), sorted.joinIntoString (", "));

        const auto turtle = juce::File (DRAVLEN_LV2_BINARY).getSiblingFile ("dsp.ttl").loadFileAsString();
        int previous = -1;
        for (const auto* id : { "powerId", "transientsId", "transientsPowerId", "multibandId", "multibandPowerId",
                                "parallelId", "parallelPowerId", "gainId" })
        {
            const auto position = turtle.indexOf (juce::String ("plug:") + id + "\n");
            EXPECT_GT (position, previous) << id;
            previous = position;
        }
    }
    else
    {
        EXPECT_EQ (names.joinIntoString (", "), parameterNames.joinIntoString (", "));
    }

    auto* power = parameterNamed (*instance, "Power");
    auto* transients = parameterNamed (*instance, "Transients");
    auto* gain = parameterNamed (*instance, "Gain");
    ASSERT_TRUE (power != nullptr && transients != nullptr && gain != nullptr);

    EXPECT_FLOAT_EQ (gain->getDefaultValue(), 0.5f);
    EXPECT_FLOAT_EQ (transients->getDefaultValue(), 0.5f);
    EXPECT_FLOAT_EQ (power->getDefaultValue(), 1.0f);

    if (isLv2()) // LV2 has no way to ask a plug-in for the text of a value
        return;

    EXPECT_EQ (power->getText (1.0f, 32), "on");
    EXPECT_EQ (power->getText (0.0f, 32), "off");
    EXPECT_EQ (transients->getText (0.5f, 32), "50.00");
    EXPECT_EQ (gain->getText (0.5f, 32), "0.00");
    EXPECT_EQ (gain->getText (1.0f, 32), "48.00");
}

TEST_P (PluginHost, ProcessesABlock)
{
    auto instance = instantiate();
    ASSERT_NE (instance, nullptr);
    instance->prepareToPlay (44100.0, 512);

    juce::AudioBuffer<float> buffer (2, 512);
    juce::MidiBuffer midi;
    juce::Random random (7);
    float outputPeak = 0.0f;

    // The output rises from silence over the first 20 ms, so look at a few blocks.
    for (int block = 0; block < 8; ++block)
    {
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 512; ++i)
                buffer.setSample (ch, i, 0.5f * (random.nextFloat() * 2.0f - 1.0f));

        instance->processBlock (buffer, midi);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 512; ++i)
                ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i)));
        outputPeak = buffer.getMagnitude (0, 512);
    }

    EXPECT_GT (outputPeak, 0.05f);
    EXPECT_LT (outputPeak, 8.0f);
    instance->releaseResources();
}

TEST_P (PluginHost, StateSavedFromOneInstanceRestoresIntoAnother)
{
    auto first = instantiate();
    auto second = instantiate();
    ASSERT_TRUE (first != nullptr && second != nullptr);

    const std::pair<const char*, float> settings[] = {
        { "Transients", 0.75f }, { "Multiband Comp Power", 0.0f }, { "Gain", 0.25f }, { "Parallel Comp", 1.0f },
    };
    first->prepareToPlay (44100.0, 64);
    second->prepareToPlay (44100.0, 64);
    for (const auto& [name, value] : settings)
        parameterNamed (*first, name)->setValueNotifyingHost (value);
    runOneBlock (*first);

    juce::MemoryBlock state;
    first->getStateInformation (state);
    second->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    runOneBlock (*second);

    for (const auto& name : parameterNames)
        EXPECT_FLOAT_EQ (parameterNamed (*second, name)->getValue(), parameterNamed (*first, name)->getValue()) << name;
}

INSTANTIATE_TEST_SUITE_P (Formats, PluginHost, ::testing::Values ("VST3", "LV2"));
