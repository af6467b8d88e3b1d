#pragma once
// "ColorData.sav": the library of named colour groups. One group per line:
// five spaces, "[", the name, "]", then its colours as R, G, B fields of
// exactly three characters each ("  7" for 7), lines ending in a line feed.
//
// The page lists the names of lines 51 onward, up to the first line whose
// name contains "Section". Group k of that list lives on line 51 + k; the
// shipped file mirrors its first 50 groups on lines 1..50, so a reader that
// looks them up one line below their list position finds the same colours.
// Edits keep that mirror in step.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "effects/color_gradient.h"

namespace vx {

class ColorDataFile {
public:
    static constexpr std::size_t kFirstNamedLine = 51;

    ColorDataFile() = default;
    static ColorDataFile fromText(std::string_view text);
    // ERR_FILE_OPEN / ERR_FILE_READ when the file cannot be read.
    static Result<ColorDataFile> load(const std::filesystem::path& path);
    Status save(const std::filesystem::path& path) const;
    std::string text() const;

    // The names the page lists, in list order.
    std::vector<std::string> names() const;
    // The colours of listed group `position`; nothing when there is no such
    // group or a field is not a number.
    std::optional<std::vector<Rgb>> groupColors(std::size_t position) const;

    // A new last line.
    void appendGroup(std::string_view name, const std::vector<Rgb>& colors);
    // Adds colours to the end of a listed group / removes all its colours,
    // keeping its name. False when there is no such group.
    bool extendGroup(std::size_t position, const std::vector<Rgb>& colors);
    bool clearGroup(std::size_t position);

    const std::vector<std::string>& lines() const { return lines_; }

    // The name of a line: the text between its first "[" and first "]".
    static std::string_view lineName(std::string_view line);
    static std::string groupLine(std::string_view name, const std::vector<Rgb>& colors);
    // "ColorGroup:" and the number of listed names that begin "ColorGroup".
    static std::string proposedName(const std::vector<std::string>& names);

private:
    std::optional<std::size_t> lineOfGroup(std::size_t position) const;
    // The mirror line of a group on line `line`, when the file has one.
    std::optional<std::size_t> mirrorOf(std::size_t line) const;

    std::vector<std::string> lines_;
};

}  // namespace vx
