#include "editor/Background.h"

#include "editor/Palette.h"

#include <array>

namespace
{
// The guide lines span the waveform displays; the centre line is their vertical middle.
constexpr float guideLeft = 12.0f;
constexpr float guideRight = 495.0f;
constexpr float centreLineY = 127.0f;
constexpr std::array<float, 4> outerGuideYs{ 97.0f, 67.0f, 157.0f, 187.0f };

constexpr std::array<float, 2> dividerXs{ 167.0f, 330.0f };
constexpr float dividerTop = 250.0f;
constexpr float dividerBottom = 370.0f;

juce::uint8 alphaFor (bool on) noexcept
{
    return on ? 0xFF : Palette::dimmedAlphaByte;
}

void strokeOpenPath (juce::Graphics& g, std::initializer_list<juce::Point<float>> points)
{
    juce::Path path;
    auto point = points.begin();
    path.startNewSubPath (*point);

    while (++point != points.end())
        path.lineTo (*point);

    g.strokePath (path, juce::PathStrokeType (2.0f, juce::PathStrokeType::beveled, juce::PathStrokeType::butt));
}
} // namespace

// The panel covers every pixel, so the framework needn't paint what lies under it on every tick.
Background::Background()
{
    setOpaque (true);
}

Background::~Background() = default;

void Background::resized()
{
    juce::Image image (juce::Image::ARGB, std::max (1, getWidth()), std::max (1, getHeight()), false);
    juce::Graphics g (image);

    g.fillAll (Palette::panel);
    g.setColour (Palette::topBar);
    g.fillRect (0, 0, getWidth(), topBarHeight);

    // Under the waveform displays, and over the gain knob.
    g.setColour (bracketColour.withAlpha (Palette::dimmedAlphaByte));
    strokeOpenPath (g, { { 12, 220 }, { 12, 210 }, { 495, 210 }, { 495, 220 } });
    strokeOpenPath (g, { { 512, 292 }, { 512, 282 }, { 605, 282 }, { 605, 292 } });

    cachedImage = image;
}

void Background::paint (juce::Graphics& g)
{
    if (cachedImage.isValid())
        g.drawImageTransformed (cachedImage,
                                juce::AffineTransform::scale (
                                    static_cast<float> (getWidth()) / static_cast<float> (cachedImage.getWidth()),
                                    static_cast<float> (getHeight()) / static_cast<float> (cachedImage.getHeight())));

    paintTitles (g);

    if (showDividers)
        paintDividers (g);

    paintGuideLines (g);
}

void Background::paintTitles (juce::Graphics& g) const
{
    struct Title
    {
        const char* text;
        juce::Rectangle<int> area;
        bool on;
    };

    const std::array<Title, 3> titles{ { { "TRANSIENTS", { 37, 368, 100, 20 }, transientsOn },
                                         { "MULTIBAND", { 199, 368, 100, 20 }, multibandOn },
                                         { "PARALLEL", { 355, 368, 111, 20 }, parallelOn } } };

    g.setFont (16.0f);

    for (const auto& title : titles)
    {
        g.setColour (titleColour.withAlpha (alphaFor (title.on)));
        g.drawText (title.text, title.area, juce::Justification::centred, true);
    }
}

void Background::paintDividers (juce::Graphics& g)
{
    const auto divider = [] (float x) { return juce::Line<float> (x, dividerTop, x, dividerBottom); };

    // A faint glow of two widths, then a dark hairline down the middle.
    g.setColour (juce::Colours::white.withAlpha (0.03f));
    const std::array<std::pair<float, float>, 4> glows{
        { { dividerXs[0], 4.0f }, { dividerXs[1], 8.0f }, { dividerXs[1], 4.0f }, { dividerXs[0], 8.0f } }
    };

    for (const auto& [x, width] : glows)
    {
        juce::Path line;
        line.addLineSegment (divider (x), 0.0f);
        g.strokePath (line, juce::PathStrokeType (width, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }

    g.setColour (juce::Colour (0x7F000000));

    for (const auto x : dividerXs)
        g.drawLine (divider (x), 1.0f);
}

void Background::paintGuideLines (juce::Graphics& g) const
{
    g.setColour (centreLineColour.withAlpha (alphaFor (mainPowerOn)));
    g.drawLine (guideLeft, centreLineY, guideRight, centreLineY, 2.0f);

    g.setColour (juce::Colour (0x33FFFFFF));

    for (const auto y : outerGuideYs)
        g.drawLine (guideLeft, y, guideRight, y, 1.0f);
}
