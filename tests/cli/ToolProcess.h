#pragma once

#include <string>
#include <vector>

// Runs the built renderer as its own process, the way a user or a script does, and collects what
// it printed and how it ended.
namespace ToolProcess
{
struct Result
{
    int exitCode = -1; // 128 + the signal's number when it was killed by one
    std::string out;
    std::string err; // with stderrOnTerminal: everything the terminal received
};

// Standard output and error go to files in a folder of their own, never into the folders the test
// looks at. With stderrOnTerminal, standard error is a pseudo-terminal instead.
Result run (const std::vector<std::string>& arguments, bool stderrOnTerminal = false);

// Standard error's lines, without their line feeds.
std::vector<std::string> lines (const std::string& text);
} // namespace ToolProcess
