#include "cli/RenderPlot.h"

#include <cmath>

namespace RenderPlot
{
namespace
{
// The editor's palette, so the picture looks like the plug-in.
const juce::Colour background{ 0xFF10161D };
const juce::Colour titleBar{ 0xFF000000 };
const juce::Colour plotArea{ 0xFF000000 };
const juce::Colour gridLine{ 0xFF374042 };
const juce::Colour captionGrey{ 0xFF878A8D };
const juce::Colour inputColour{ 0xFF808080 };
const juce::Colour outputColour{ 0xFF2988FF };

constexpr int leftMargin = 70;
constexpr int rightMargin = 20;
constexpr int titleHeight = 44;
constexpr int panelHeight = 170;
constexpr int panelGap = 15;
constexpr int firstPanelTop = titleHeight + 16;

constexpr double lowestDecibels = -60.0;
constexpr double highestDecibels = 6.0;
constexpr double decibelGridStep = 12.0;
constexpr double levelWindowSeconds = 0.05; // the RMS curve's averaging time, about a meter's

juce::Rectangle<int> panel (int index)
{
    return { leftMargin, firstPanelTop + index * (panelHeight + panelGap), width - leftMargin - rightMargin,
             panelHeight };
}

juce::Font font (float size, bool bold = false)
{
    return juce::Font (size, bold ? juce::Font::bold : juce::Font::plain);
}

void drawPanelFrame (juce::Graphics& g, juce::Rectangle<int> area, const juce::String& name)
{
    g.setColour (plotArea);
    g.fillRect (area);
    g.setColour (gridLine);
    g.drawRect (area);
    g.setColour (captionGrey);
    g.setFont (font (13.0f));
    g.drawText (name, area.reduced (8, 4), juce::Justification::topLeft);
}

// Lowest to highest sample as a faint bar, the RMS around the centre line as a strong one.
void drawEnvelope (juce::Graphics& g, juce::Rectangle<int> area, const SignalOverview& overview, juce::Colour colour,
                   float outerAlpha, float innerAlpha)
{
    const auto centre = static_cast<float> (area.getCentreY());
    const auto halfHeight = static_cast<float> (area.getHeight()) * 0.5f - 2.0f;
    const auto yOf = [&] (float sample) { return centre - juce::jlimit (-1.0f, 1.0f, sample) * halfHeight; };

    for (int x = 0; x < std::min (area.getWidth(), overview.getNumColumns()); ++x)
    {
        const auto column = overview.getColumn (x);
        const auto rms = static_cast<float> (std::sqrt (column.meanSquare));
        const auto px = area.getX() + x;

        g.setColour (colour.withAlpha (outerAlpha));
        g.drawVerticalLine (px, yOf (column.highest), yOf (column.lowest) + 1.0f);
        g.setColour (colour.withAlpha (innerAlpha));
        g.drawVerticalLine (px, yOf (rms), yOf (-rms) + 1.0f);
    }
}

float decibelY (juce::Rectangle<int> area, double decibels)
{
    const auto clamped = juce::jlimit (lowestDecibels, highestDecibels, decibels);
    const auto proportion = (highestDecibels - clamped) / (highestDecibels - lowestDecibels);
    return static_cast<float> (area.getY() + proportion * area.getHeight());
}

void drawDecibelGrid (juce::Graphics& g, juce::Rectangle<int> area)
{
    g.setFont (font (12.0f));

    for (auto decibels = 0.0; decibels >= lowestDecibels; decibels -= decibelGridStep)
    {
        const auto y = decibelY (area, decibels);
        g.setColour (gridLine);
        g.drawHorizontalLine (juce::roundToInt (y), static_cast<float> (area.getX()),
                              static_cast<float> (area.getRight()));
        g.setColour (captionGrey);
        g.drawText (juce::String (juce::roundToInt (decibels)) + " dB", 0, juce::roundToInt (y) - 8, leftMargin - 8, 16,
                    juce::Justification::centredRight);
    }
}

// The RMS level averaged over a short window around each column.
void drawLevelCurve (juce::Graphics& g, juce::Rectangle<int> area, const SignalOverview& overview, double seconds,
                     juce::Colour colour)
{
    const auto columns = std::min (area.getWidth(), overview.getNumColumns());
    const auto secondsPerColumn = seconds / std::max (1, overview.getNumColumns());
    const auto halfWindow = std::max (0, juce::roundToInt (levelWindowSeconds / secondsPerColumn / 2.0));
    juce::Path curve;

    for (int x = 0; x < columns; ++x)
    {
        double sum = 0.0;
        int count = 0;
        for (int i = std::max (0, x - halfWindow); i <= std::min (columns - 1, x + halfWindow); ++i, ++count)
            sum += overview.getColumn (i).meanSquare;

        const auto y = decibelY (area, toDecibels (std::sqrt (sum / count)));
        const auto px = static_cast<float> (area.getX() + x) + 0.5f;
        if (x == 0)
            curve.startNewSubPath (px, y);
        else
            curve.lineTo (px, y);
    }

    g.setColour (colour);
    g.strokePath (curve, juce::PathStrokeType (1.5f));
}

void drawLegend (juce::Graphics& g, juce::Rectangle<int> area)
{
    auto row = area.reduced (10, 6).removeFromTop (16).removeFromRight (230);
    g.setFont (font (12.0f));

    for (const auto& [name, colour] :
         { std::pair{ "input RMS", inputColour }, std::pair{ "output RMS", outputColour } })
    {
        auto entry = row.removeFromLeft (115);
        g.setColour (colour);
        g.fillRect (entry.removeFromLeft (18).withSizeKeepingCentre (18, 3));
        g.setColour (captionGrey);
        g.drawText (name, entry.withTrimmedLeft (6), juce::Justification::centredLeft);
    }
}

// The smallest step of the 1-2-5 series that needs no more than a dozen ticks.
double tickStep (double seconds)
{
    for (auto decade = 0.001;; decade *= 10.0)
        for (const auto multiple : { 1.0, 2.0, 5.0 })
            if (seconds / (multiple * decade) <= 12.0)
                return multiple * decade;
}

// Enough decimal places to tell the ticks apart.
int decimalsFor (double step)
{
    return std::max (0, static_cast<int> (std::ceil (-std::log10 (step) - 1.0e-9)));
}

void drawTimeAxis (juce::Graphics& g, double seconds)
{
    const auto top = panel (0).getY();
    const auto bottom = panel (2).getBottom();
    const auto area = panel (2);
    const auto step = tickStep (seconds);
    g.setFont (font (12.0f));

    for (int tick = 0; tick * step <= seconds + 1.0e-9; ++tick)
    {
        const auto time = tick * step;
        const auto x = area.getX() + juce::roundToInt (time / std::max (seconds, 1.0e-9) * area.getWidth());
        g.setColour (gridLine.withAlpha (0.6f));
        g.drawVerticalLine (x, static_cast<float> (top), static_cast<float> (bottom));
        g.setColour (captionGrey);
        g.drawText (juce::String (time, decimalsFor (step)) + " s", x - 30, bottom + 3, 60, 16,
                    juce::Justification::centred);
    }
}
} // namespace

int columnsNeeded() noexcept
{
    return width - leftMargin - rightMargin;
}

juce::Image draw (const Content& content)
{
    juce::Image image (juce::Image::RGB, width, height, true, juce::SoftwareImageType());
    juce::Graphics g (image);
    g.fillAll (background);

    g.setColour (titleBar);
    g.fillRect (0, 0, width, titleHeight);
    g.setColour (juce::Colours::white);
    g.setFont (font (19.0f, true));
    g.drawText (content.title, 20, 0, width - 40, titleHeight, juce::Justification::centredLeft);

    drawPanelFrame (g, panel (0), "input");
    drawEnvelope (g, panel (0), content.input, inputColour, 0.55f, 1.0f);

    drawPanelFrame (g, panel (1), "output over input");
    drawEnvelope (g, panel (1), content.input, inputColour, 0.25f, 0.25f);
    drawEnvelope (g, panel (1), content.output, outputColour, 0.55f, 1.0f);

    drawPanelFrame (g, panel (2), "level");
    drawDecibelGrid (g, panel (2));
    drawLevelCurve (g, panel (2), content.input, content.seconds, inputColour);
    drawLevelCurve (g, panel (2), content.output, content.seconds, outputColour);
    drawLegend (g, panel (2));

    drawTimeAxis (g, content.seconds);

    g.setColour (captionGrey);
    g.setFont (font (13.0f));
    const auto captionTop = panel (2).getBottom() + 26;
    g.drawFittedText (content.caption, leftMargin, captionTop, width - leftMargin - rightMargin,
                      height - captionTop - 8, juce::Justification::topLeft, 3);

    return image;
}

Outcome<std::unique_ptr<PendingFile>> writePending (const juce::Image& image, const juce::File& target)
{
    using Answer = Outcome<std::unique_ptr<PendingFile>>;
    auto pending = std::make_unique<PendingFile> (target);
    const auto failure = [&] (const juce::String& reason)
    { return Answer::failure ("cannot write plot \"" + target.getFullPathName() + "\": " + reason); };

    {
        juce::FileOutputStream stream (pending->getFile());

        if (stream.failedToOpen())
            return failure (stream.getStatus().getErrorMessage());

        juce::PNGImageFormat png;
        if (! png.writeImageToStream (image, stream))
            return failure ("the PNG encoder failed");

        stream.flush();
        if (stream.getStatus().failed())
            return failure (stream.getStatus().getErrorMessage());
    }

    return Answer (std::move (pending));
}
} // namespace RenderPlot
