#pragma once
// Writing several files into a folder as one set, so that two programs
// writing their sets into the same folder at once leave one set or the
// other, never a mix: every file goes to a temporary name beside its target
// first, and only when all are written are they renamed into place, one
// after another under the folder's lock (folder_lock.h). Each keeps the
// permissions of the file it replaces; files of the folder outside the set
// are never touched.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace vx {

struct FileToWrite {
    std::string name;  // inside the folder
    std::string_view bytes;
};

// Creates the folder when missing. On failure no file of the set is left
// changed or half-written (but for a failing rename part way, which leaves
// the earlier files renamed). `waiting` is called once when another program
// holds the folder and this one waits for it.
Status writeFileSet(const std::filesystem::path& folder, const std::vector<FileToWrite>& files,
                    const std::function<void()>& waiting = {});

}  // namespace vx
