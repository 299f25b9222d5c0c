#include "ScratchFolder.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

ScratchFolder::ScratchFolder()
{
    std::error_code error;
    auto pattern = (std::filesystem::temp_directory_path (error) / "dravlen-XXXXXX").string();

    if (error || mkdtemp (pattern.data()) == nullptr)
        throw std::runtime_error ("cannot create a temporary folder");

    root = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all (root, ignored);
}

std::string ScratchFolder::write (const std::string& relative, const std::string& contents) const
{
    const auto file = std::filesystem::path (path (relative));
    std::error_code ignored;
    std::filesystem::create_directories (file.parent_path(), ignored);

    std::ofstream out (file, std::ios::binary | std::ios::trunc);
    out << contents;
    return file.string();
}

std::string ScratchFolder::makeFolder (const std::string& relative) const
{
    std::error_code ignored;
    std::filesystem::create_directories (path (relative), ignored);
    return path (relative);
}

std::vector<std::string> namesIn (const std::string& folder)
{
    std::vector<std::string> names;

    if (auto* directory = opendir (folder.c_str()))
    {
        while (const auto* entry = readdir (directory))
            if (std::string (entry->d_name) != "." && std::string (entry->d_name) != "..")
                names.emplace_back (entry->d_name);

        closedir (directory);
    }

    std::sort (names.begin(), names.end());
    return names;
}
