#pragma once

// What the editor's meters read from the engine. Implementations answer from values the audio
// thread writes whole (relaxed atomics), so a reader on the message thread needs no lock.
class PeakMeterDataSource
{
public:
    virtual ~PeakMeterDataSource() = default;
    virtual float getNormalizedMeterValue (int channel) const noexcept = 0;
    virtual bool getChannelIsClipped (int channel) const noexcept = 0;
    virtual float getMaxValue (int channel) const noexcept = 0;
};

class SidewaysMeterDataSource
{
public:
    virtual ~SidewaysMeterDataSource() = default;
    virtual float getNormalizedSidewaysMeterValue (int channel) const noexcept = 0;
    virtual bool getIsClipped (int channel) const noexcept = 0;
};

// The sideways meter has no component in this product; its data-source name lives here so the
// engine can offer it without the editor.
struct ZLMPeakMeterSideWays
{
    using DataSource = SidewaysMeterDataSource;
};
