#pragma once

#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes (links inside are removed, never followed). Tests write here, never into a home.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder (const ScratchFolder&) = delete;
    ScratchFolder& operator= (const ScratchFolder&) = delete;

    // Absolute path without a trailing "/".
    const std::string& path() const noexcept { return root; }
    std::string path (const std::string& relative) const { return root + "/" + relative; }
    std::string operator/ (const std::string& relative) const { return path (relative); }

    // Creates the file, or the folder, and any folders it lies in; answers its path.
    std::string write (const std::string& relative, const std::string& contents) const;
    std::string makeFolder (const std::string& relative) const;

private:
    std::string root;
};

// Every name in a folder, hidden ones too, sorted: a left-over temporary file must show.
std::vector<std::string> namesIn (const std::string& folder);
