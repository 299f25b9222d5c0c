#pragma once

#include <string>

namespace FileReplacement
{
// Writes contents to path so that the file is either the old one or the complete new one, never
// a part: the bytes go to a fresh file in the same folder, which replaces the target by a rename
// only once everything was written and synced. On failure the target is untouched, the fresh file
// is removed and the answer is false. A target that is a folder is never replaced.
bool replaceFileContents (const std::string& path, const std::string& contents);
} // namespace FileReplacement
