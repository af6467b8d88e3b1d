#pragma once
// One language table: the texts of section "String" of a table file. A key
// that is missing, or a table that could not be read, gives the empty text;
// callers that have a caption of their own keep it in that case.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/ini_text.h"

namespace vx {

class LanguageTable {
public:
    // A value longer than this is cut, as if read into a 1000-character buffer.
    static constexpr std::size_t kMaxTextLength = 999;

    LanguageTable() = default;  // empty: every text is empty

    // Fails with "ERR_LANGUAGE_FILE_MISSING" when the file does not exist, or
    // with the file error when it cannot be read.
    static Result<LanguageTable> load(const std::filesystem::path& file);
    static LanguageTable fromText(std::string_view iniText);

    // Message and menu texts: the cut value, with every backslash-n pair turned
    // into a line break.
    std::string LookUpText(std::string_view key) const;

    // Dialog captions: the cut value as written, backslash-n left alone.
    std::string DialogText(std::string_view key) const;
    std::string DialogTitle(int dialog) const;                     // "IDD%d_Title"
    std::string DialogControlText(int dialog, int control) const;  // "IDD%d_%d"

    // Keys of section "String" in file order, repeats included.
    std::vector<std::string> keys() const;

    const std::filesystem::path& file() const { return file_; }

private:
    IniText ini_;
    std::filesystem::path file_;
};

}  // namespace vx
