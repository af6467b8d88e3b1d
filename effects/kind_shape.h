#pragma once
// Splits a kind name into the family and the path shape that the editing
// pages decide their rules by ("CM_LEFTUP_GF" is a diagonal GF kind).

#include <string>
#include <string_view>

namespace vx::kinds {

enum class Family {
    Custom,
    Empty,
    Regroup,
    Regress,
    GC,
    GOBC,
    CC,
    GF,
    CF,
    Brightness,
    Scroll,
    Word,
    Circle,
    Unknown,
};

// Straight: left/right/up/down sweeps. Diagonal: the four corner sweeps.
// Ring: expanding and shrinking circles. Frame: SIDEFRAME and ASIDEFRAME.
enum class Shape { Straight, Diagonal, Ring, Frame, None };

struct KindClass {
    Family family = Family::Unknown;
    Shape shape = Shape::None;
};

// Any of the 70 offered names and the four diagonal word names; other
// names give Family::Unknown.
KindClass classifyKind(std::string_view kind);

// The kind whose rules apply to a mode: its circleKind for a circular area.
std::string_view ruleKind(std::string_view kind, std::string_view circleKind);

}  // namespace vx::kinds

namespace vx::kinds {

// n of the kind's info key "ID_MSG_PAGE3_MODE_INFO<n>", 1..70; 0 for a name
// that is not offered.
int kindInfoNumber(std::string_view kind);
// That key; empty for a name that is not offered.
std::string kindInfoKey(std::string_view kind);
// The language key of its short name ("ID_MSG_PAGE3_MODE_NAME<n>"), or empty.
std::string kindNameKey(std::string_view kind);

}  // namespace vx::kinds
