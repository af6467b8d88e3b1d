#pragma once
// INI text with the rules of the classic profile files that the language
// tables and Setting.ini follow: "[Section]" headers, "key=value" lines, ";"
// starts a comment only at the start of a line, whitespace round keys and
// values is dropped, a value wholly enclosed in double quotes loses the quotes
// (so a text can keep leading or trailing blanks), and when a key repeats in
// a section the first one counts. Lines have no length limit; a UTF-8 byte
// order mark and CR LF line ends are accepted.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class IniText {
public:
    IniText() = default;
    static IniText parse(std::string_view text);

    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;

    // Keys of a section in file order, repeats included.
    std::vector<std::string> keysInOrder(std::string_view section) const;

    // Sets a value, replacing the key's first line or adding the key (and its
    // section) at the end; every other line is kept as it was.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, lines ended with LF.
    std::string text() const;

private:
    struct Line {
        std::string raw;
        std::string section;  // section this line belongs to
        std::string key;      // empty unless a key=value line
    };
    void index();

    std::vector<Line> lines_;
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> values_;
};

}  // namespace vx
