#pragma once
// Replacing a file without ever leaving it half written. The new content goes
// to a temporary file beside the file it replaces; commit() flushes it, gives
// it the old file's permissions and renames it over the old one. Until then
// the old file stays as it was, and a replacement dropped without commit()
// removes its temporary file.
//
// A symbolic link is followed to the file it names (through a chain of links):
// that file is replaced and the link stays a link.

#include <filesystem>
#include <optional>
#include <string>

#include "base/result.h"

namespace vx {

class FileReplacement {
public:
    // Creates the empty temporary file. Fails (key "ERR_FILE_SAVE") when the
    // target's folder cannot take it or the target is a folder, a device or
    // anything else that is not a regular file.
    static Result<FileReplacement> begin(const std::filesystem::path& target);

    FileReplacement(FileReplacement&& other) noexcept;
    FileReplacement& operator=(FileReplacement&& other) noexcept;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    // Where to write the new content (it exists, empty and writable; it gets
    // the old file's permissions at commit()).
    const std::filesystem::path& tempPath() const { return temp_; }
    // The file that commit() replaces: the target with its links followed.
    const std::filesystem::path& finalPath() const { return final_; }

    // Flushes the temporary file to disk, gives it the old file's permissions
    // and owner (where we may) and renames it over the final path.
    Status commit();

private:
    struct Owner {
        unsigned mode;
        unsigned user;
        unsigned group;
    };
    FileReplacement(std::filesystem::path temp, std::filesystem::path final,
                    std::optional<Owner> old)
        : temp_(std::move(temp)), final_(std::move(final)), old_(old) {}
    void discard();

    std::filesystem::path temp_;
    std::filesystem::path final_;
    std::optional<Owner> old_;  // of the file being replaced, when there is one
};

// The file a path names once its symbolic links are followed; the path itself
// when it is no link, or a dangling link's target (which does not exist yet).
std::filesystem::path followLinks(const std::filesystem::path& path);

}  // namespace vx
