#include "ToolProcess.h"

#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace ToolProcess
{
namespace
{
std::string readWhole (const std::string& path)
{
    std::ifstream in (path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

std::string readUntilClosed (int descriptor)
{
    std::string text;
    char chunk[4096];
    ssize_t count = 0;

    // A terminal's reading side answers EIO once the last writer is gone.
    while ((count = read (descriptor, chunk, sizeof (chunk))) > 0)
        text.append (chunk, static_cast<size_t> (count));

    return text;
}

int exitCodeOf (int status)
{
    if (WIFEXITED (status))
        return WEXITSTATUS (status);
    return WIFSIGNALED (status) ? 128 + WTERMSIG (status) : -1;
}

class CaptureFolder
{
public:
    CaptureFolder()
    {
        std::string pattern = (std::getenv ("TMPDIR") != nullptr ? std::string (std::getenv ("TMPDIR")) : "/tmp")
                              + "/dravlen-cli-capture-XXXXXX";
        if (mkdtemp (pattern.data()) == nullptr)
            throw std::runtime_error ("cannot create a capture folder");
        path = pattern;
    }

    ~CaptureFolder()
    {
        unlink ((path + "/out").c_str());
        unlink ((path + "/err").c_str());
        rmdir (path.c_str());
    }

    std::string path;
};
} // namespace

Result run (const std::vector<std::string>& arguments, bool stderrOnTerminal)
{
    const CaptureFolder capture;
    const auto outPath = capture.path + "/out";
    const auto errPath = capture.path + "/err";

    std::vector<std::string> words{ DRAVLEN_RENDER_TOOL };
    words.insert (words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back (word.data());
    argv.push_back (nullptr);

    int terminal = -1, terminalSide = -1;
    if (stderrOnTerminal && openpty (&terminal, &terminalSide, nullptr, nullptr, nullptr) != 0)
        throw std::runtime_error ("cannot open a pseudo-terminal");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init (&actions);
    posix_spawn_file_actions_addopen (&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen (&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (stderrOnTerminal)
    {
        posix_spawn_file_actions_adddup2 (&actions, terminalSide, 2);
        posix_spawn_file_actions_addclose (&actions, terminal);
    }
    else
    {
        posix_spawn_file_actions_addopen (&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }

    pid_t child = 0;
    const auto spawned = posix_spawn (&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy (&actions);

    Result result;
    if (stderrOnTerminal)
    {
        close (terminalSide);
        if (spawned == 0)
            result.err = readUntilClosed (terminal);
        close (terminal);
    }

    if (spawned != 0)
        throw std::runtime_error ("cannot start " + words.front());

    int status = 0;
    waitpid (child, &status, 0);
    result.exitCode = exitCodeOf (status);
    result.out = readWhole (outPath);
    if (! stderrOnTerminal)
        result.err = readWhole (errPath);
    return result;
}

std::vector<std::string> lines (const std::string& text)
{
    std::vector<std::string> found;
    std::istringstream in (text);
    for (std::string line; std::getline (in, line);)
        found.push_back (line);
    return found;
}
} // namespace ToolProcess
