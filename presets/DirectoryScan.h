#pragma once

#include <functional>
#include <string>

// A recursive walk over a folder tree with POSIX directory listings. Only regular files and real
// folders count: symbolic links are never followed or listed, so a link cycle cannot trap the walk.
namespace DirectoryScan
{
enum class EntryKind
{
    file,
    folder,
    other
};

// Classifies one listing entry by the type the listing reported (a dirent d_type). Some file systems
// report no type (DT_UNKNOWN) for every entry; those are classified with lstat on the path instead.
EntryKind classifyEntry (unsigned char listedType, const std::string& path);

// Joins a folder and an entry name with exactly one "/" between them.
std::string joinPath (const std::string& folder, const std::string& name);

// Calls visit with the full path of every regular file in folder and its subfolders, in listing
// order, descending into a subfolder where its entry is met. A folder that cannot be opened is
// skipped without a word.
void forEachFile (const std::string& folder,
                  const std::function<void (const std::string& path, const std::string& name)>& visit);
} // namespace DirectoryScan
