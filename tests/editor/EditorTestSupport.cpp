#include "EditorTestSupport.h"

namespace juce
{
// The message loop's own step, which the test main never runs.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace EditorTesting
{
void deliverPostedMessages()
{
    // Bounded: a message that posts another must not keep a test here.
    for (int i = 0; i < 100 && juce::dispatchNextMessageOnSystemQueue (true); ++i)
    {
    }
}

juce::Image render (juce::Component& component)
{
    juce::Image image (juce::Image::ARGB, std::max (1, component.getWidth()), std::max (1, component.getHeight()), true,
                       juce::SoftwareImageType());
    juce::Graphics g (image);
    component.paintEntireComponent (g, false);
    return image;
}

juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position, juce::Point<float> downPosition,
                             int numberOfClicks)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, juce::ModifierKeys(),
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                             juce::MouseInputSource::defaultTiltY, &component, &component, now, downPosition, now,
                             numberOfClicks, position != downPosition);
}

juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position)
{
    return mouseEvent (component, position, position);
}

::testing::AssertionResult coloursNear (juce::Colour actual, juce::Colour expected, int tolerance)
{
    const auto near = [tolerance] (int a, int b) { return std::abs (a - b) <= tolerance; };

    if (near (actual.getAlpha(), expected.getAlpha()) && near (actual.getRed(), expected.getRed())
        && near (actual.getGreen(), expected.getGreen()) && near (actual.getBlue(), expected.getBlue()))
        return ::testing::AssertionSuccess();

    return ::testing::AssertionFailure() << "colour " << actual.toDisplayString (true) << " is not near "
                                         << expected.toDisplayString (true);
}

juce::Colour blend (juce::Colour background, juce::Colour expected, float alpha)
{
    return background.overlaidWith (expected.withMultipliedAlpha (alpha));
}

int coverageAround (const juce::Image& image, juce::Point<float> point)
{
    const auto x0 = juce::roundToInt (point.x) - 1;
    const auto y0 = juce::roundToInt (point.y) - 1;
    int strongest = 0;

    for (int y = y0; y <= y0 + 1; ++y)
        for (int x = x0; x <= x0 + 1; ++x)
            strongest = std::max (strongest, static_cast<int> (image.getPixelAt (x, y).getAlpha()));

    return strongest;
}

juce::Colour pixelAt (const juce::Image& image, juce::Point<float> point)
{
    return image.getPixelAt (static_cast<int> (std::floor (point.x)), static_cast<int> (std::floor (point.y)));
}

int countPixels (const juce::Image& image, juce::Rectangle<int> area, juce::Colour colour, int tolerance)
{
    int count = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (coloursNear (image.getPixelAt (x, y), colour, tolerance))
                ++count;

    return count;
}

int countInked (const juce::Image& image, juce::Rectangle<int> area, juce::Colour colour, int minAlpha)
{
    int count = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto pixel = image.getPixelAt (x, y);

            if (pixel.getAlpha() >= minAlpha && coloursNear (pixel.withAlpha (colour.getAlpha()), colour, 4))
                ++count;
        }

    return count;
}
} // namespace EditorTesting
