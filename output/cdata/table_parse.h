#pragma once
// Reading back the generated C51 texts: the arrays of "cport.h" and CSTGRP.h
// and the rows of DSPPTN.h. The reader takes the texts as they were written,
// not the structures they came from, so that the firmware data follows the
// files exactly.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace vx {

// The arrays "code unsigned int <family><n>[] = { v, v, ... 0xffff };" of a
// text, by family name and number. Values stop at the 0xFFFF marker (any
// case) or the closing brace.
using ArrayFamilies = std::map<std::string, std::map<std::size_t, std::vector<std::int64_t>>>;
Result<ArrayFamilies> parseArrays(std::string_view text);

// One row of DSPPTN.h: its fields as written, blanks trimmed, empty fields
// dropped, and the program (0..31) it belongs to.
struct PatternRow {
    std::size_t program = 0;
    std::vector<std::string> fields;
};

// Lines holding "{", "0xFD" or "};" are not rows; a line holding "{" starts
// the next program.
std::vector<PatternRow> parsePatternRows(std::string_view text);

}  // namespace vx
