#include "platform/file_set.h"

#include "platform/file_io.h"
#include "platform/folder_lock.h"

namespace vx {

Status writeFileSet(const std::filesystem::path& folder, const std::vector<FileToWrite>& files,
                    const std::function<void()>& waiting) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return Error{"ERR_FILE_SAVE",
                     "cannot create the folder " + folder.string() + ": " + ec.message()};
    }
    // Dropping a staged file before its commit removes it, so an error part
    // way leaves no file of the set changed.
    std::vector<FileReplacement> staged;
    for (const FileToWrite& file : files) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
        auto written = stageFile(folder / file.name, std::span(bytes, file.bytes.size()));
        if (!written) return written.error();
        staged.push_back(std::move(*written));
    }
    // Staging, the slow part, runs unlocked; the renames of one set follow
    // each other with no other set's in between.
    auto lock = FolderLock::acquire(folder, waiting);
    if (!lock) return Error{"ERR_FILE_SAVE", lock.error().detail};
    for (FileReplacement& file : staged) {
        if (auto committed = file.commit(); !committed) return committed;
    }
    return {};
}

}  // namespace vx
