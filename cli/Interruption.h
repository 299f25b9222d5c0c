#pragma once

// Ctrl-C, a hang-up or a plain kill stop a render cleanly: the render notices between two blocks,
// deletes its pending files and exits, rather than dying with a part-written file beside OUTPUT.
namespace Interruption
{
// Catches SIGINT, SIGTERM and SIGHUP from now on, only to note that they came.
void watchForSignals();

bool requested() noexcept;

// Forgets a noted signal, so that a later render in the same process runs again.
void forget() noexcept;
} // namespace Interruption
