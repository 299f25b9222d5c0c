#include "core/ParameterManager.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{
// The smallest processor that owns a manager and records what the manager delivers.
class RecordingProcessor final : public juce::AudioProcessor,
                                 public ParameterManager::CallbackListener
{
public:
    RecordingProcessor()
    {
        for (const auto* id : { "a", "b", "c" })
            manager.addNew ({ id, id, {}, { 0.0f, 100.0f, 25.0f }, 50.0f, {}, {} });

        manager.addNew ({ "gain", "Gain", "db", { -48.0f, 48.0f, 0.1f }, 0.0f, {}, {} });
        manager.parameters.state = juce::ValueTree ("state");
    }

    void onParameterChanged (juce::String id) override
    {
        delivered.add (id);
        if (onDelivery)
            onDelivery();
    }

    void set (const char* id, float raw) { manager.setRawValue (id, raw); }

    ParameterManager manager { *this, *this };
    juce::StringArray delivered;
    std::function<void()> onDelivery;

    const juce::String getName() const override { return "recording"; }
    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    bool hasEditor() const override { return false; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return {}; }
    void changeProgramName (int, const juce::String&) override {}
    void getStateInformation (juce::MemoryBlock&) override {}
    void setStateInformation (const void*, int) override {}
};

class ParameterManagerTest : public ::testing::Test
{
protected:
    // Starts each case with nothing pending.
    void SetUp() override
    {
        processor.manager.update();
        processor.delivered.clear();
    }

    juce::StringArray deliverOnce()
    {
        processor.delivered.clear();
        processor.manager.update();
        return processor.delivered;
    }

    RecordingProcessor processor;
};
} // namespace

TEST (ParameterManagerRegistration, FirstUpdateDeliversEveryIdInRegistrationOrder)
{
    RecordingProcessor processor;
    processor.manager.update();
    EXPECT_EQ (processor.delivered, juce::StringArray ({ "a", "b", "c", "gain" }));

    processor.delivered.clear();
    processor.manager.update();
    EXPECT_TRUE (processor.delivered.isEmpty());
}

TEST (ParameterManagerRegistration, DuplicateIdCreatesNoSecondHostParameter)
{
    RecordingProcessor processor;
    processor.manager.addNew ({ "a", "again", {}, {}, 0.0f, {}, {} });
    EXPECT_EQ (processor.getParameters().size(), 4);
    EXPECT_EQ (processor.manager.parameters.getParameter ("a")->getName (32), "a");
}

TEST_F (ParameterManagerTest, ManyChangesOfOneParameterDeliverOnce)
{
    for (int i = 0; i < 10; ++i)
        processor.set ("a", i % 2 == 0 ? 25.0f : 75.0f);

    EXPECT_EQ (deliverOnce(), juce::StringArray ({ "a" }));
}

TEST_F (ParameterManagerTest, DeliveryFollowsOrderOfFirstChange)
{
    processor.set ("c", 0.0f);
    processor.set ("a", 0.0f);
    processor.set ("c", 100.0f);
    processor.set ("b", 0.0f);

    EXPECT_EQ (deliverOnce(), juce::StringArray ({ "c", "a", "b" }));
}

TEST_F (ParameterManagerTest, ListenerReadsTheValueCurrentAtDelivery)
{
    float seen = -1.0f;
    processor.onDelivery = [&] { seen = processor.manager.getRawValue ("a"); };

    processor.set ("a", 25.0f);
    processor.set ("a", 100.0f);
    deliverOnce();

    EXPECT_EQ (seen, 100.0f);
}

TEST_F (ParameterManagerTest, ChangeThatLeavesTheSnappedValueRecordsNothing)
{
    processor.set ("a", 25.0f);
    processor.set ("a", 50.0f);
    deliverOnce();

    processor.set ("a", 60.0f); // snaps to the stored 50
    EXPECT_TRUE (deliverOnce().isEmpty());
}

TEST_F (ParameterManagerTest, UpdateNeverWaitsAndLaterDeliversWhatItCouldNot)
{
    std::mutex mutex;
    std::condition_variable wake;
    bool insideDelivery = false, release = false;

    processor.set ("a", 0.0f);
    processor.onDelivery = [&] {
        std::unique_lock lock (mutex);
        insideDelivery = true;
        wake.notify_all();
        wake.wait (lock, [&] { return release; });
    };

    // A second thread holds the lock while its delivery is blocked in the listener.
    std::thread audio ([&] { processor.manager.update(); });
    {
        std::unique_lock lock (mutex);
        wake.wait (lock, [&] { return insideDelivery; });
    }
    processor.onDelivery = nullptr;

    // A writer on a third thread has to wait for the lock; update on this one must not.
    std::thread writer ([&] { processor.set ("b", 0.0f); });
    processor.manager.update();
    EXPECT_EQ (processor.delivered, juce::StringArray ({ "a" }));

    {
        const std::lock_guard lock (mutex);
        release = true;
    }
    wake.notify_all();
    audio.join();
    writer.join();

    EXPECT_EQ (deliverOnce(), juce::StringArray ({ "b" }));
}

TEST_F (ParameterManagerTest, SetRawValueSnapsAndClamps)
{
    struct Case { const char* id; float raw; float stored; };
    const Case cases[] = {
        { "a", 60.0f, 50.0f },
        { "a", 62.5f, 75.0f }, // halfway snaps upward
        { "a", -10.0f, 0.0f },
        { "gain", 100.0f, 48.0f },
        { "gain", -48.0f, -48.0f },
        { "gain", -3.14f, -3.1f },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.id) + " <- " + juce::String (c.raw));
        processor.set (c.id, c.raw);
        // The interval is snapped in single precision: -3.14 becomes -3.0999985.
        EXPECT_NEAR (processor.manager.getRawValue (c.id), c.stored, 2.0e-6f);
    }
}

TEST_F (ParameterManagerTest, RawRangeAndDefaultInRealUnits)
{
    EXPECT_EQ (processor.manager.getRawMinValue ("gain"), -48.0f);
    EXPECT_EQ (processor.manager.getRawMaxValue ("gain"), 48.0f);
    EXPECT_EQ (processor.manager.getRawDefaultValue ("gain"), 0.0f);
    EXPECT_EQ (processor.manager.getRawDefaultValue ("a"), 50.0f);
}

TEST_F (ParameterManagerTest, UnknownIdsAreHarmless)
{
    processor.set ("nope", 1.0f);
    EXPECT_EQ (processor.manager.getRawValue ("nope"), 0.0f);
    EXPECT_EQ (processor.manager.getRawMaxValue ("nope"), 0.0f);
    EXPECT_TRUE (deliverOnce().isEmpty());
}

TEST_F (ParameterManagerTest, DefaultTextConversionsShowTwoDecimalsAndReadTheLeadingNumber)
{
    auto* gain = processor.manager.parameters.getParameter ("gain");
    auto* a = processor.manager.parameters.getParameter ("a");

    EXPECT_EQ (a->getCurrentValueAsText(), "50.00");
    EXPECT_EQ (gain->getText (gain->convertTo0to1 (-3.14159f), 32), "-3.10");
    EXPECT_FLOAT_EQ (gain->convertFrom0to1 (gain->getValueForText ("12.5 dB")), 12.5f);
    EXPECT_FLOAT_EQ (a->convertFrom0to1 (a->getValueForText ("75 %")), 75.0f);
    EXPECT_FLOAT_EQ (a->convertFrom0to1 (a->getValueForText ("loud")), 0.0f);
}
