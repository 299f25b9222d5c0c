#include "presets/DirectoryScan.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>

namespace DirectoryScan
{
EntryKind classifyEntry (unsigned char listedType, const std::string& path)
{
    switch (listedType)
    {
    case DT_REG:
        return EntryKind::file;
    case DT_DIR:
        return EntryKind::folder;
    case DT_UNKNOWN:
        break;
    default:
        return EntryKind::other;
    }

    struct stat status = {};

    if (lstat (path.c_str(), &status) != 0)
        return EntryKind::other;

    if (S_ISREG (status.st_mode))
        return EntryKind::file;

    return S_ISDIR (status.st_mode) ? EntryKind::folder : EntryKind::other;
}

std::string joinPath (const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;

    return folder + "/" + name;
}

void forEachFile (const std::string& folder,
                  const std::function<void (const std::string& path, const std::string& name)>& visit)
{
    const std::unique_ptr<DIR, int (*) (DIR*)> directory (opendir (folder.c_str()), closedir);

    if (directory == nullptr)
        return;

    while (const auto* entry = readdir (directory.get()))
    {
        const std::string name = entry->d_name;

        if (name == "." || name == "..")
            continue;

        const auto path = joinPath (folder, name);

        switch (classifyEntry (entry->d_type, path))
        {
        case EntryKind::file:
            visit (path, name);
            break;
        case EntryKind::folder:
            forEachFile (path, visit);
            break;
        case EntryKind::other:
            break;
        }
    }
}
} // namespace DirectoryScan
