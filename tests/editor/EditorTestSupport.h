#pragma once

#include "JuceScratchFolder.h"
#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace EditorTesting
{
// Paints a component and its children into a transparent software image of the component's size.
juce::Image render (juce::Component& component);

// A mouse event on component at position, whose button went down at downPosition.
juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position, juce::Point<float> downPosition,
                             int numberOfClicks = 1);
juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position);

// Delivers what components posted to the message queue (a text field's Return and focus loss
// reach its listeners that way), as the running message loop would.
void deliverPostedMessages();

// Colours equal channel by channel within tolerance.
::testing::AssertionResult coloursNear (juce::Colour actual, juce::Colour expected, int tolerance = 3);

// expected drawn over background at opacity alpha, as the renderer blends it.
juce::Colour blend (juce::Colour background, juce::Colour expected, float alpha);

// The strongest alpha among the four pixels around a point, for lines that straddle pixel edges.
int coverageAround (const juce::Image& image, juce::Point<float> point);

// The pixel whose area holds point.
juce::Colour pixelAt (const juce::Image& image, juce::Point<float> point);

// How many pixels of area have (about) the colour.
int countPixels (const juce::Image& image, juce::Rectangle<int> area, juce::Colour colour, int tolerance = 3);

// How many pixels of area carry the colour's RGB at an alpha of at least minAlpha: the inked
// pixels of text drawn in that colour.
int countInked (const juce::Image& image, juce::Rectangle<int> area, juce::Colour colour, int minAlpha = 128);

// A processor whose parameters the controls under test are bound to.
class ProcessorFixture : public ::testing::Test
{
protected:
    ParameterManager& manager() { return processor.getParameterManager(); }
    float value (const char* id) { return manager().getRawValue (id); }
    void set (const char* id, float rawValue) { manager().setRawValue (id, rawValue); }

    TemplateEffectAudioProcessor processor;
};

using TemporaryFolder = JuceScratchFolder;
} // namespace EditorTesting
