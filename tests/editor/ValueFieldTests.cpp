#include "EditorTestSupport.h"

#include "editor/Palette.h"
#include "editor/RotaryLayout.h"
#include "editor/ZLMRotaryControl.h"

using namespace EditorTesting;

namespace
{
// The gain knob as the editor lays it out, inside a parent that can be disabled.
class ValueFieldTest : public ProcessorFixture
{
protected:
    ValueFieldTest()
    {
        parent.setBounds (0, 0, 200, 200);
        parent.addAndMakeVisible (knob);
        knob.setBounds (0, 0, 115, 115);
        knob.style = 0;
        knob.bipolar = 1;
        knob.valueTextColour = Palette::caption;
        knob.valueField.setBounds (38, 76, 40, 14);
    }

    void doubleClick (juce::Point<float> position) { knob.mouseDoubleClick (mouseEvent (knob, position, position, 2)); }

    void openField()
    {
        doubleClick ({ 50, 80 });
        // Gaining the focus selects the text, as the framework does when the field grabs it.
        static_cast<juce::Component&> (field()).focusGained (juce::Component::focusChangedByMouseClick);
    }

    void type (const juce::String& text)
    {
        for (const auto character : text)
            field().keyPressed (juce::KeyPress (character, 0, character));
    }

    void pressReturn()
    {
        field().keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        deliverPostedMessages();
    }

    ZLMTextEditor& field() { return knob.valueField; }

    juce::Component parent;
    ZLMRotaryControl knob{ &manager(), ParameterIds::gain, {} };
};
} // namespace

TEST_F (ValueFieldTest, DoubleClickInsideTheReadoutOpensTheFieldWithTheBareValue)
{
    set (ParameterIds::gain, -12.5f);
    openField();

    EXPECT_TRUE (field().isVisible());
    EXPECT_TRUE (knob.isEditingValue());
    EXPECT_EQ (field().getText(), "-12.5");
    EXPECT_EQ (value (ParameterIds::gain), -12.5f);
}

TEST_F (ValueFieldTest, OnlyTheFieldsRectangleOpensIt)
{
    // Left and top edges belong to the rectangle, right and bottom edges don't.
    const struct
    {
        juce::Point<float> position;
        bool opens;
    } cases[]{ { { 38, 76 }, true },  { { 77, 89 }, true },  { { 78, 80 }, false },
               { { 50, 90 }, false }, { { 37, 80 }, false }, { { 50, 20 }, false } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.position.toString());
        set (ParameterIds::gain, -12.5f);
        field().setVisible (false);
        doubleClick (c.position);
        EXPECT_EQ (field().isVisible(), c.opens);
        // Elsewhere the double-click resets to the default.
        EXPECT_EQ (value (ParameterIds::gain), c.opens ? -12.5f : 0.0f);
    }
}

TEST_F (ValueFieldTest, TypedValuesCommitOnReturnClampedToTheRange)
{
    const struct
    {
        const char* typed;
        float expected;
    } cases[]{
        { "60", 48.0f }, { "-", 0.0f }, { "-12.5", -12.5f }, { "", -30.0f }, { "-100", -48.0f }, { ".5", 0.5f }
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.typed);
        set (ParameterIds::gain, -30.0f);
        openField();
        type (c.typed);
        pressReturn();
        EXPECT_FALSE (field().isVisible());
        EXPECT_FALSE (knob.isEditingValue());
        EXPECT_NEAR (value (ParameterIds::gain), c.expected, 1.0e-4f);
    }
}

TEST_F (ValueFieldTest, FocusLossCommits)
{
    set (ParameterIds::gain, -30.0f);
    openField();
    type ("6");
    field().focusLost (juce::Component::focusChangedByMouseClick);
    deliverPostedMessages();
    EXPECT_FALSE (field().isVisible());
    EXPECT_EQ (value (ParameterIds::gain), 6.0f);
}

TEST_F (ValueFieldTest, EscapeLeavesTheFieldOpen)
{
    openField();
    type ("6");
    field().keyPressed (juce::KeyPress (juce::KeyPress::escapeKey));
    deliverPostedMessages();
    EXPECT_TRUE (field().isVisible());
    EXPECT_EQ (field().getText(), "6");
}

TEST_F (ValueFieldTest, LettersAndASeventhCharacterCannotBeTyped)
{
    openField();
    type ("a1b2.c3x-45678");
    EXPECT_EQ (field().getText(), "12.3-4");
}

TEST_F (ValueFieldTest, ReadoutHiddenWhileEditing)
{
    set (ParameterIds::gain, -12.5f);
    const auto readout = RotaryLayout::create (0, 115, 115, 0, { 38, 76, 40, 14 }).readout;
    EXPECT_GT (countInked (render (knob), readout, Palette::caption), 0);

    doubleClick ({ 50, 80 });
    field().setColour (juce::TextEditor::textColourId, juce::Colours::transparentBlack);
    EXPECT_EQ (countInked (render (knob), readout, Palette::caption, 1), 0);
}

TEST_F (ValueFieldTest, DisabledKnobIgnoresDoubleClicksAndItsFieldTheMouse)
{
    set (ParameterIds::gain, -12.5f);
    parent.setEnabled (false);
    doubleClick ({ 50, 80 });
    doubleClick ({ 5, 5 });
    EXPECT_FALSE (field().isVisible());
    EXPECT_EQ (value (ParameterIds::gain), -12.5f);

    // A field opened before its parent was disabled keeps its caret and selection.
    parent.setEnabled (true);
    openField();
    field().mouseUp (mouseEvent (field(), { 35, 7 })); // from now on a press places the caret
    field().setCaretPosition (0);
    parent.setEnabled (false);
    field().mouseDown (mouseEvent (field(), { 35, 7 }));
    field().mouseDoubleClick (mouseEvent (field(), { 35, 7 }, { 35, 7 }, 2));
    field().mouseDrag (mouseEvent (field(), { 39, 7 }, { 1, 7 }));
    EXPECT_EQ (field().getCaretPosition(), 0);
    EXPECT_TRUE (field().getHighlightedRegion().isEmpty());

    parent.setEnabled (true);
    field().mouseDown (mouseEvent (field(), { 39, 7 }));
    EXPECT_GT (field().getCaretPosition(), 0);
}
