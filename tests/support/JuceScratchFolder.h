#pragma once

#include "ScratchFolder.h"

#include <juce_core/juce_core.h>

// The same temporary folder, answering with juce::File for tests that work with JUCE's files.
class JuceScratchFolder : public ScratchFolder
{
public:
    juce::File get() const { return juce::File (path()); }
    juce::File operator/ (const juce::String& relative) const { return get().getChildFile (relative); }
};
