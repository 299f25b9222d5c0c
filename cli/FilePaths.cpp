#include "cli/FilePaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace FilePaths
{
namespace
{
std::optional<struct stat> statusOf (const juce::File& file)
{
    struct stat status = {};
    if (stat (file.getFullPathName().toRawUTF8(), &status) != 0)
        return std::nullopt;
    return status;
}

juce::String quoted (const juce::File& file)
{
    return "\"" + file.getFullPathName() + "\"";
}

juce::String systemReason()
{
    return juce::String (std::strerror (errno)).toLowerCase();
}

// The canonical spelling of a path whose file may not exist yet: its folder resolved, its name kept.
juce::String canonicalPath (const juce::File& file)
{
    char resolved[PATH_MAX];

    if (realpath (file.getFullPathName().toRawUTF8(), resolved) != nullptr)
        return juce::String::fromUTF8 (resolved);

    if (realpath (file.getParentDirectory().getFullPathName().toRawUTF8(), resolved) != nullptr)
        return juce::String::fromUTF8 (resolved) + "/" + file.getFileName();

    return file.getFullPathName();
}
} // namespace

juce::File resolve (const juce::String& path)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}

juce::Result checkReadable (const juce::File& file, const juce::String& role)
{
    const auto failure = [&] (const juce::String& reason)
    { return juce::Result::fail ("cannot read " + role + " " + quoted (file) + ": " + reason); };

    const auto status = statusOf (file);

    if (! status.has_value())
        return failure (systemReason());
    if (S_ISDIR (status->st_mode))
        return failure ("it is a folder");
    if (! S_ISREG (status->st_mode))
        return failure ("it is not a regular file");

    const auto descriptor = open (file.getFullPathName().toRawUTF8(), O_RDONLY);
    if (descriptor < 0)
        return failure (systemReason());
    close (descriptor);

    return juce::Result::ok();
}

juce::Result checkWritable (const juce::File& target, const juce::String& role)
{
    const auto failure = [&] (const juce::String& reason)
    { return juce::Result::fail ("cannot write " + role + " " + quoted (target) + ": " + reason); };

    const auto folder = target.getParentDirectory();
    const auto folderStatus = statusOf (folder);

    if (! folderStatus.has_value())
        return failure ("its folder " + quoted (folder) + " does not exist");
    if (! S_ISDIR (folderStatus->st_mode))
        return failure (quoted (folder) + " is not a folder");
    if (access (folder.getFullPathName().toRawUTF8(), W_OK | X_OK) != 0)
        return failure ("its folder is not writable (" + systemReason() + ")");

    if (const auto status = statusOf (target))
    {
        if (S_ISDIR (status->st_mode))
            return failure ("it is a folder");
        if (! S_ISREG (status->st_mode))
            return failure ("it exists and is not a regular file");
    }

    return juce::Result::ok();
}

bool sameFile (const juce::File& first, const juce::File& second)
{
    const auto firstStatus = statusOf (first);
    const auto secondStatus = statusOf (second);

    if (firstStatus.has_value() && secondStatus.has_value())
        return firstStatus->st_dev == secondStatus->st_dev && firstStatus->st_ino == secondStatus->st_ino;

    return canonicalPath (first) == canonicalPath (second);
}
} // namespace FilePaths
