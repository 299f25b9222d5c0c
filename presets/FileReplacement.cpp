#include "presets/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace FileReplacement
{
namespace
{
std::string folderOf (const std::string& path)
{
    const auto slash = path.rfind ('/');

    if (slash == std::string::npos)
        return ".";

    return slash == 0 ? "/" : path.substr (0, slash);
}

// A hidden name that does not end in a preset suffix, so a file left by a crash is never listed.
std::string temporaryNameFor (const std::string& path, int attempt)
{
    static std::atomic<unsigned> counter{ 0 };
    const auto slash = path.rfind ('/');
    const auto name = slash == std::string::npos ? path : path.substr (slash + 1);
    const auto folder = folderOf (path);
    const auto prefix = (folder == "/" ? folder : folder + "/") + "." + name;

    return prefix + "." + std::to_string (getpid()) + "-" + std::to_string (counter++) + "-" + std::to_string (attempt)
           + ".tmp";
}

bool writeAll (int descriptor, const std::string& contents)
{
    const auto* data = contents.data();
    auto remaining = contents.size();

    while (remaining > 0)
    {
        const auto written = write (descriptor, data, remaining);

        if (written < 0 && errno == EINTR)
            continue;

        if (written <= 0)
            return false;

        data += written;
        remaining -= static_cast<size_t> (written);
    }

    return true;
}
} // namespace

bool replaceFileContents (const std::string& path, const std::string& contents)
{
    if (path.empty() || path.back() == '/')
        return false;

    struct stat status = {};

    if (stat (path.c_str(), &status) == 0 && S_ISDIR (status.st_mode))
        return false;

    for (int attempt = 0; attempt < 16; ++attempt)
    {
        const auto temporary = temporaryNameFor (path, attempt);
        const auto descriptor = open (temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);

        if (descriptor < 0)
        {
            if (errno == EEXIST)
                continue;

            return false;
        }

        const auto written = writeAll (descriptor, contents) && fsync (descriptor) == 0;
        const auto closed = close (descriptor) == 0;

        if (written && closed && std::rename (temporary.c_str(), path.c_str()) == 0)
            return true;

        std::remove (temporary.c_str());
        return false;
    }

    return false;
}
} // namespace FileReplacement
