#include "EditorFixture.h"

#include "editor/Palette.h"

using namespace EditorTesting;

namespace
{
class EditorTest : public EditorFixture
{
protected:
    void setPower (bool master, bool transients, bool multiband, bool parallel)
    {
        set (ParameterIds::power, master ? 1.0f : 0.0f);
        set (ParameterIds::transientsPower, transients ? 1.0f : 0.0f);
        set (ParameterIds::multibandPower, multiband ? 1.0f : 0.0f);
        set (ParameterIds::parallelPower, parallel ? 1.0f : 0.0f);
    }

    static bool isLive (const juce::Component& c) { return c.isEnabled() && c.getAlpha() == 1.0f; }
    // The framework keeps a component's alpha in 8 bits.
    static bool isDimmed (const juce::Component& c)
    {
        return ! c.isEnabled() && std::abs (c.getAlpha() - Palette::dimmedAlpha) < 0.01f;
    }
};

struct PowerCase
{
    const char* name;
    bool master, transients, multiband, parallel;
};

const PowerCase powerCases[]{
    { "all on", true, true, true, true },          { "master off", false, true, true, true },
    { "transients off", true, false, true, true }, { "multiband off", true, true, false, true },
    { "parallel off", true, true, true, false },   { "master and parallel off", false, true, true, false }
};
} // namespace

TEST_F (EditorTest, FixedSizeWithEveryChildInItsPlace)
{
    auto& e = editor();
    EXPECT_EQ (e.getBounds(), juce::Rectangle<int> (0, 0, 625, 395));
    EXPECT_FALSE (e.isResizable());

    const std::pair<juce::Component*, juce::Rectangle<int>> expected[]{
        { &e.getBackground(), { 0, 0, 625, 395 } },
        { &e.getPluginNameButton(), { 10, 0, 167, 37 } },
        { &e.getCompanyLogo(), { 13, 40, 100, 30 } },
        { &e.getBuyLink(), { 420, 40, 100, 30 } },
        { &e.getPresetButton (ZLMPresetButton::previous), { 313, 11, 8, 15 } },
        { &e.getPresetButton (ZLMPresetButton::next), { 564, 11, 8, 15 } },
        { &e.getPresetButton (ZLMPresetButton::load), { 532, 12, 18, 15 } },
        { &e.getPresetButton (ZLMPresetButton::save), { 590, 10, 16, 16 } },
        { &e.getPresetLabel(), { 329, 10, 227, 17 } },
        { &e.getTransientsControl(), { 12, 240, 150, 160 } },
        { &e.getMultibandControl(), { 174, 240, 150, 160 } },
        { &e.getParallelControl(), { 335, 240, 150, 160 } },
        { &e.getTransientsPowerButton(), { 19, 218, 20, 20 } },
        { &e.getMultibandPowerButton(), { 177, 218, 20, 20 } },
        { &e.getParallelPowerButton(), { 342, 218, 20, 20 } },
        { &e.getGainControl(), { 501, 279, 115, 115 } },
        { &processor.getOutputVisualiser(), { 12, 50, 487, 153 } },
        { &processor.getInputVisualiser(), { 12, 50, 487, 153 } },
        { &e.getPeakMeter(), { 518, 45, 80, 230 } },
    };

    for (const auto& [component, bounds] : expected)
    {
        EXPECT_EQ (component->getBounds(), bounds) << component->getBounds().toString();
        EXPECT_TRUE (component->isVisible());
        EXPECT_EQ (component->getParentComponent(), &e);
    }

    EXPECT_EQ (e.getTransientsControl().valueField.getBounds(), juce::Rectangle<int> (50, 94, 50, 18));
    EXPECT_EQ (e.getGainControl().valueField.getBounds(), juce::Rectangle<int> (38, 76, 40, 14));

    // Stacking: the output display over the input display, the links over both.
    EXPECT_GT (e.getIndexOfChildComponent (&processor.getOutputVisualiser()),
               e.getIndexOfChildComponent (&processor.getInputVisualiser()));
    EXPECT_GT (e.getIndexOfChildComponent (&e.getCompanyLogo()),
               e.getIndexOfChildComponent (&processor.getOutputVisualiser()));
    EXPECT_EQ (e.getIndexOfChildComponent (&e.getBackground()), 0);
}

TEST_F (EditorTest, PaintsABlackTopBarOverTheDarkPanel)
{
    const auto image = render (editor());

    for (const auto& point : { juce::Point<int> (250, 5), { 0, 0 }, { 624, 36 }, { 200, 36 } })
        EXPECT_TRUE (coloursNear (image.getPixelAt (point.x, point.y), Palette::topBar, 0)) << point.toString();

    for (const auto& point : { juce::Point<int> (300, 225), { 0, 37 }, { 624, 300 }, { 620, 390 }, { 5, 390 } })
        EXPECT_TRUE (coloursNear (image.getPixelAt (point.x, point.y), Palette::panel, 0)) << point.toString();

    // The product name in blue at the left of the top bar, "Lite" in white beside it.
    EXPECT_GT (countInked (image, { 10, 0, 110, 37 }, Palette::accent), 0);
    EXPECT_GT (countInked (image, { 137, 0, 40, 37 }, juce::Colours::white), 0);
    // The preset label's name and the section titles.
    EXPECT_GT (countInked (image, { 329, 10, 197, 17 }, juce::Colours::grey), 0);
    EXPECT_GT (countInked (image, { 37, 368, 100, 20 }, Palette::caption), 0);
}

TEST_F (EditorTest, RefreshDimsTheControlsOfSwitchedOffSectionsFromTheFirstFrame)
{
    for (const auto& c : powerCases)
    {
        SCOPED_TRACE (c.name);
        setPower (c.master, c.transients, c.multiband, c.parallel);
        openEditor();
        auto& e = editor();

        const std::pair<ZLMRotaryControl*, bool> knobs[]{ { &e.getTransientsControl(), c.master && c.transients },
                                                          { &e.getMultibandControl(), c.master && c.multiband },
                                                          { &e.getParallelControl(), c.master && c.parallel },
                                                          { &e.getGainControl(), c.master } };

        for (const auto& [knob, on] : knobs)
        {
            EXPECT_TRUE (on ? isLive (*knob) : isDimmed (*knob)) << knob->getParameterId();
            EXPECT_EQ (knob->valueField.isEnabled(), on) << knob->getParameterId();
        }

        const juce::Component* followMaster[]{ &e.getTransientsPowerButton(), &e.getMultibandPowerButton(),
                                               &e.getParallelPowerButton(), &processor.getInputVisualiser(),
                                               &processor.getOutputVisualiser() };

        for (const auto* component : followMaster)
            EXPECT_TRUE (c.master ? isLive (*component) : isDimmed (*component));

        EXPECT_TRUE (isLive (e.getPluginNameButton()));
        EXPECT_EQ (e.getBackground().mainPowerOn, c.master);
        EXPECT_EQ (e.getBackground().transientsOn, c.master && c.transients);
        EXPECT_EQ (e.getBackground().multibandOn, c.master && c.multiband);
        EXPECT_EQ (e.getBackground().parallelOn, c.master && c.parallel);
    }
}

TEST_F (EditorTest, DimmedKnobIsDrawnAtHalfOpacity)
{
    // A pixel of the transients knob's body, clear of its arc and dot.
    const juce::Point<int> body{ 12 + 41, 240 + 75 };

    setPower (true, true, true, true);
    openEditor();
    EXPECT_TRUE (coloursNear (render (editor()).getPixelAt (body.x, body.y), Palette::knobBody));

    set (ParameterIds::transientsPower, 0.0f);
    editor().updateGuiFromProcessor();
    EXPECT_TRUE (
        coloursNear (render (editor()).getPixelAt (body.x, body.y), blend (Palette::panel, Palette::knobBody, 0.5f)));
}

TEST_F (EditorTest, NameButtonSwitchesEverythingOffAndBackOn)
{
    setPower (true, true, true, true);
    auto& e = editor();
    auto& name = e.getPluginNameButton();

    name.mouseDown (mouseEvent (name, { 20, 20 }));
    EXPECT_EQ (value (ParameterIds::power), 0.0f);
    EXPECT_TRUE (isLive (e.getTransientsControl())); // the look follows at the next tick

    e.updateGuiFromProcessor();
    EXPECT_TRUE (isDimmed (e.getTransientsControl()));
    EXPECT_EQ (name.currentValue, 0.0f);

    // Disabled power buttons ignore clicks; the name button still works.
    auto& sectionPower = e.getMultibandPowerButton();
    sectionPower.mouseDown (mouseEvent (sectionPower, { 10, 10 }));
    EXPECT_EQ (value (ParameterIds::multibandPower), 1.0f);

    name.mouseDown (mouseEvent (name, { 20, 20 }));
    e.updateGuiFromProcessor();
    EXPECT_TRUE (isLive (e.getTransientsControl()));
    EXPECT_TRUE (isLive (sectionPower));
}

TEST_F (EditorTest, SectionPowerButtonStaysUsableWhileItsSectionIsOff)
{
    setPower (true, true, false, true);
    auto& button = editor().getMultibandPowerButton();
    EXPECT_TRUE (isLive (button));

    button.mouseDown (mouseEvent (button, { 10, 10 }));
    editor().updateGuiFromProcessor();
    EXPECT_EQ (button.currentValue, 1.0f);
    EXPECT_TRUE (isLive (editor().getMultibandControl()));
}

TEST_F (EditorTest, RefreshShowsEveryParameterWithinOneTick)
{
    auto& e = editor();
    set (ParameterIds::transients, 75.0f);
    set (ParameterIds::multiband, 0.0f);
    set (ParameterIds::parallel, 100.0f);
    set (ParameterIds::gain, -12.5f);
    set (ParameterIds::parallelPower, 0.0f);
    e.updateGuiFromProcessor();

    EXPECT_EQ (e.getTransientsControl().shownValue, 75.0f);
    EXPECT_EQ (e.getMultibandControl().shownValue, 0.0f);
    EXPECT_EQ (e.getParallelControl().shownValue, 100.0f);
    EXPECT_EQ (e.getGainControl().shownValue, -12.5f);
    EXPECT_EQ (e.getParallelPowerButton().currentValue, 0.0f);
    EXPECT_EQ (e.getPluginNameButton().currentValue, 1.0f);
}

TEST_F (EditorTest, LinksOpenTheirPagesThroughTheEditorsOpener)
{
    auto& e = editor();
    e.getCompanyLogo().mouseDown (mouseEvent (e.getCompanyLogo(), { 5, 5 }));
    e.getBuyLink().mouseDown (mouseEvent (e.getBuyLink(), { 5, 5 }));
    ASSERT_EQ (openedPages.size(), 2);
    EXPECT_EQ (openedPages[0].toString (false), WebLinks::makerHomePage);
    EXPECT_EQ (openedPages[1].toString (false), WebLinks::fullVersionPage);
}

TEST_F (EditorTest, ClosingDetachesTheProcessorsDisplays)
{
    editor();
    editorInstance.reset();
    EXPECT_EQ (processor.getInputVisualiser().getParentComponent(), nullptr);
    EXPECT_EQ (processor.getOutputVisualiser().getParentComponent(), nullptr);

    // A new window takes them again.
    openEditor();
    EXPECT_EQ (processor.getInputVisualiser().getParentComponent(), &editor());
}
