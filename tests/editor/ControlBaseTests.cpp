#include "EditorTestSupport.h"

#include "editor/ParameterComponentContinuous.h"
#include "editor/ParameterComponentDiscrete.h"

#include <limits>

using namespace EditorTesting;

namespace
{
class RecordingDiscrete : public ParameterComponentDiscrete
{
public:
    using ParameterComponentDiscrete::ParameterComponentDiscrete;
    void drawComponent (juce::Graphics&, int state) override { drawnState = state; }
    int drawnState = -1;
};

class RecordingContinuous : public ParameterComponentContinuous
{
public:
    using ParameterComponentContinuous::ParameterComponentContinuous;
    void drawComponent (juce::Graphics&, float normalisedValue) override { drawnValue = normalisedValue; }
    float drawnValue = -1.0f;
};

class ControlBaseTest : public ProcessorFixture
{
protected:
    ControlBaseTest()
    {
        parent.setBounds (0, 0, 200, 200);
        switchControl.setBounds (0, 0, 20, 20);
        knob.setBounds (0, 0, 100, 100);
        parent.addAndMakeVisible (switchControl);
        parent.addAndMakeVisible (knob);
    }

    void click (juce::Component& c) { c.mouseDown (mouseEvent (c, { 5, 5 })); }

    void drag (juce::Component& c, float dy)
    {
        const juce::Point<float> start{ 50, 50 };
        c.mouseDown (mouseEvent (c, start));
        c.mouseDrag (mouseEvent (c, start.translated (0, dy), start));
    }

    juce::Component parent;
    RecordingDiscrete switchControl{ manager(), ParameterIds::transientsPower };
    RecordingContinuous knob{ manager(), ParameterIds::transients };
};
} // namespace

TEST_F (ControlBaseTest, ClickTogglesATwoStateSwitch)
{
    set (ParameterIds::transientsPower, 0.0f);

    click (switchControl);
    EXPECT_EQ (value (ParameterIds::transientsPower), 1.0f);

    click (switchControl);
    EXPECT_EQ (value (ParameterIds::transientsPower), 0.0f);
}

TEST_F (ControlBaseTest, ClickLeavesTheShownValueToTheRefresh)
{
    set (ParameterIds::transientsPower, 0.0f);
    click (switchControl);
    EXPECT_EQ (switchControl.currentValue, 0.0f);
}

TEST_F (ControlBaseTest, DiscreteStateIsTheRoundedCurrentValue)
{
    const struct
    {
        float currentValue;
        int state;
    } cases[]{ { 0.0f, 0 }, { 0.4f, 0 }, { 0.6f, 1 }, { 1.0f, 1 }, { 2.0f, 2 } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.currentValue);
        switchControl.currentValue = c.currentValue;
        render (switchControl);
        EXPECT_EQ (switchControl.drawnState, c.state);
    }
}

TEST_F (ControlBaseTest, VerticalDragCoversTheRangeIn250Pixels)
{
    // Up is negative y. The amounts snap to quarters of their 0 to 100 range.
    const struct
    {
        float start;
        float dy;
        float expected;
    } cases[]{ { 0.0f, -125.0f, 50.0f }, { 0.0f, -300.0f, 100.0f }, { 0.0f, 40.0f, 0.0f },
               { 100.0f, 250.0f, 0.0f }, { 50.0f, -62.5f, 75.0f },  { 50.0f, 0.0f, 50.0f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.start) + " dragged by " + juce::String (c.dy));
        set (ParameterIds::transients, c.start);
        drag (knob, c.dy);
        EXPECT_EQ (value (ParameterIds::transients), c.expected);
    }
}

TEST_F (ControlBaseTest, EachDragEventSetsTheValueForTheWholeDistance)
{
    set (ParameterIds::gain, 0.0f);
    RecordingContinuous gain{ manager(), ParameterIds::gain };
    const juce::Point<float> start{ 10, 100 };

    gain.mouseDown (mouseEvent (gain, start));
    gain.mouseDrag (mouseEvent (gain, { 10, 50 }, start));
    EXPECT_NEAR (value (ParameterIds::gain), 19.2f, 1.0e-4f);

    gain.mouseDrag (mouseEvent (gain, { 10, 20 }, start));
    EXPECT_NEAR (value (ParameterIds::gain), 30.7f, 1.0e-4f);

    gain.mouseDrag (mouseEvent (gain, start, start));
    EXPECT_EQ (value (ParameterIds::gain), 0.0f);
}

TEST_F (ControlBaseTest, DoubleClickResetsToTheDefault)
{
    RecordingContinuous gain{ manager(), ParameterIds::gain };
    set (ParameterIds::gain, -20.0f);
    gain.mouseDoubleClick (mouseEvent (gain, { 1, 1 }));
    EXPECT_EQ (value (ParameterIds::gain), 0.0f);

    set (ParameterIds::transients, 100.0f);
    knob.mouseDoubleClick (mouseEvent (knob, { 1, 1 }));
    EXPECT_EQ (value (ParameterIds::transients), 50.0f);
}

TEST_F (ControlBaseTest, ClampAndUpdateKeepsValuesInTheRange)
{
    const struct
    {
        float raw;
        float expected;
    } cases[]{ { 200.0f, 100.0f }, { -5.0f, 0.0f }, { 75.0f, 75.0f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.raw);
        knob.clampAndUpdateParameter (c.raw);
        EXPECT_EQ (value (ParameterIds::transients), c.expected);
    }
}

TEST_F (ControlBaseTest, DisabledControlsIgnoreTheMouse)
{
    for (const auto disableParent : { false, true })
    {
        SCOPED_TRACE (disableParent ? "parent disabled" : "controls disabled");
        parent.setEnabled (! disableParent);
        switchControl.setEnabled (disableParent);
        knob.setEnabled (disableParent);

        set (ParameterIds::transientsPower, 0.0f);
        click (switchControl);
        EXPECT_EQ (value (ParameterIds::transientsPower), 0.0f);

        set (ParameterIds::transients, 0.0f);
        drag (knob, -125.0f);
        EXPECT_EQ (value (ParameterIds::transients), 0.0f);

        set (ParameterIds::transients, 25.0f);
        knob.mouseDoubleClick (mouseEvent (knob, { 1, 1 }));
        EXPECT_EQ (value (ParameterIds::transients), 25.0f);
    }
}

TEST_F (ControlBaseTest, DragStartsFromTheValueAtTheLastEnabledPress)
{
    set (ParameterIds::transients, 75.0f);
    knob.setEnabled (false);
    knob.mouseDown (mouseEvent (knob, { 50, 50 }));
    knob.setEnabled (true);
    set (ParameterIds::transients, 25.0f);
    drag (knob, -62.5f);
    EXPECT_EQ (value (ParameterIds::transients), 50.0f);
}

TEST_F (ControlBaseTest, ContinuousPaintDrawsTheLiveNormalisedValue)
{
    set (ParameterIds::transients, 75.0f);
    render (knob);
    EXPECT_FLOAT_EQ (knob.drawnValue, 0.75f);
}

TEST (ParameterComponentContinuous, DecimalsFollowTheInterval)
{
    const struct
    {
        float interval;
        int decimals;
    } cases[]{ { 25.0f, 0 }, { 1.0f, 0 },   { 0.5f, 1 }, { 0.25f, 1 }, { 0.1f, 1 },    { 0.05f, 2 },
               { 0.01f, 2 }, { 0.001f, 3 }, { 0.0f, 0 }, { -1.0f, 0 }, { 1.0e-12f, 6 } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.interval);
        EXPECT_EQ (ParameterComponentContinuous::decimalsForInterval (c.interval), c.decimals);
    }
}

TEST_F (ControlBaseTest, DecimalsOfTheProductsParameters)
{
    EXPECT_EQ (knob.getNumDecimals(), 0);
    EXPECT_EQ (RecordingContinuous (manager(), ParameterIds::gain).getNumDecimals(), 1);
}
