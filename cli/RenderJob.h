#pragma once

#include "cli/CommandLine.h"

#include <ostream>

// One render from request to summary: check every file first, load the preset and the settings,
// run the processor over the input into pending files, and move them all into place only once
// everything succeeded.
namespace RenderJob
{
// The summary and notes go to `out`, the progress bar and the one error line to `errors`.
// Answers the exit status. Needs JUCE initialised: the processor owns components and timers.
int run (const RenderRequest& request, std::ostream& out, std::ostream& errors);
} // namespace RenderJob
