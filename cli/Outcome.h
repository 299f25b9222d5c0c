#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <utility>

// Either a value or the one line that tells the user why there is none. The renderer reports every
// problem as such a line and an exit code, never by throwing.
template <typename Value> class Outcome
{
public:
    Outcome (Value valueToHold)
        : value (std::move (valueToHold))
    {
    }

    static Outcome failure (juce::String reason) { return Outcome (std::move (reason), FailureTag{}); }

    bool succeeded() const noexcept { return value.has_value(); }
    const juce::String& getError() const noexcept { return error; }

    Value& operator*() noexcept { return *value; }
    const Value& operator*() const noexcept { return *value; }
    Value* operator->() noexcept { return &*value; }
    const Value* operator->() const noexcept { return &*value; }

private:
    struct FailureTag
    {
    };

    Outcome (juce::String reason, FailureTag)
        : error (std::move (reason))
    {
    }

    std::optional<Value> value;
    juce::String error;
};
