#include "platform/language/language_table.h"

#include <system_error>

#include "platform/file_io.h"
#include "platform/language/dialog_keys.h"
#include "platform/language/languages.h"

namespace vx {
namespace {

constexpr std::string_view kSection = "String";

// Cuts at kMaxTextLength bytes, backing off so that no UTF-8 sequence is split.
std::string cutText(std::string_view value) {
    if (value.size() <= LanguageTable::kMaxTextLength) return std::string(value);
    std::size_t end = LanguageTable::kMaxTextLength;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0U) == 0x80U) --end;
    return std::string(value.substr(0, end));
}

}  // namespace

Result<LanguageTable> LanguageTable::load(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return Error{"ERR_LANGUAGE_FILE_MISSING", std::string(kMissingLanguageFileMessage)};
    }
    auto bytes = readFileBytes(file);
    if (!bytes) return bytes.error();
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    LanguageTable table = fromText(text);
    table.file_ = file;
    return table;
}

LanguageTable LanguageTable::fromText(std::string_view iniText) {
    LanguageTable table;
    table.ini_ = IniText::parse(iniText);
    return table;
}

std::string LanguageTable::LookUpText(std::string_view key) const {
    std::string text = DialogText(key);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string LanguageTable::DialogText(std::string_view key) const {
    const auto value = ini_.value(kSection, key);
    return value ? cutText(*value) : std::string();
}

std::string LanguageTable::DialogTitle(int dialog) const {
    return DialogText(dialogTitleKey(dialog));
}

std::string LanguageTable::DialogControlText(int dialog, int control) const {
    return DialogText(dialogControlKey(dialog, control));
}

std::vector<std::string> LanguageTable::keys() const { return ini_.keysInOrder(kSection); }

}  // namespace vx
