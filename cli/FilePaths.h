#pragma once

#include <juce_core/juce_core.h>

// The checks made on every path before anything is rendered, so a bad path costs nothing and
// leaves nothing behind. Each failing check answers one line naming the file's role and path.
namespace FilePaths
{
// A path as typed: relative paths count from the working folder.
juce::File resolve (const juce::String& path);

// An existing regular file this process may open for reading.
juce::Result checkReadable (const juce::File& file, const juce::String& role);

// A file that may be created or replaced: its folder exists and is writable, and the path is not
// a folder, a device or anything else a rename must not replace.
juce::Result checkWritable (const juce::File& target, const juce::String& role);

// Whether two paths name the same file, through links, "..", and hard links alike.
bool sameFile (const juce::File& first, const juce::File& second);
} // namespace FilePaths
