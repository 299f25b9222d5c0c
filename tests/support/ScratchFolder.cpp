#include "ScratchFolder.h"

#include <cstdlib>
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
