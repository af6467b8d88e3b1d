#include "effects/parameter_rules.h"

#include <initializer_list>

#include "effects/kind_shape.h"
#include "effects/mode_kind.h"

namespace vx {
namespace {

using kinds::Family;
using kinds::Shape;

constexpr std::array<ParamColumn, kParamColumnCount> kColumns = {{
    {ParamField::Interval, "IDD112_1132_EDIT13", 1033},
    {ParamField::Loop, "IDD112_5133_EDIT14A", 1034},
    {ParamField::HoldTime, "IDD112_5309_EDIT15", 1035},
    {ParamField::Step, "IDD112_5310_EDIT16A", 1036},
    {ParamField::LayerCode, "IDD112_1311_EDIT17A", 1037},
    {ParamField::WordStep, "IDD112_1028_EDIT19", 1038},
    {ParamField::WordColorMode, "IDD112_1029_EDIT20", 1039},
}};

constexpr std::size_t kLoopColumn = 1;
constexpr std::size_t kStepColumn = 3;
constexpr std::size_t kLayerColumn = 4;

void lock(ParameterPageRules& rules, std::initializer_list<ParamField> fields) {
    for (ParamField f : fields) rules.locked[static_cast<std::size_t>(f)] = true;
}

void lockByFamily(ParameterPageRules& rules, kinds::KindClass kc) {
    using F = ParamField;
    const bool diagonal = kc.shape == Shape::Diagonal;
    switch (kc.family) {
        case Family::Empty:
        case Family::Regroup:
            lock(rules, {F::Interval, F::Loop, F::Step, F::LayerCode, F::WordStep, F::StartPoint,
                         F::Area, F::WordColorMode});
            break;
        case Family::Regress:
            lock(rules, {F::Interval, F::Loop, F::HoldTime, F::Step, F::LayerCode, F::WordStep,
                         F::StartPoint, F::Area, F::WordColorMode});
            break;
        case Family::Custom: lock(rules, {F::Step, F::WordStep, F::StartPoint, F::Area}); break;
        case Family::Brightness:
            lock(rules, {F::Step, F::WordStep});
            rules.labelKeys[kLoopColumn] = "IDD112_5133_EDIT14B";
            break;
        case Family::GC:
        case Family::GOBC:
        case Family::Scroll:
            lock(rules, {F::WordStep});
            if (diagonal && kc.family != Family::Scroll) {
                rules.labelKeys[kStepColumn] = "IDD112_5310_EDIT16B";
            }
            break;
        case Family::GF:
            lock(rules, {F::Loop, F::WordStep});
            if (diagonal) rules.labelKeys[kStepColumn] = "IDD112_5310_EDIT16B";
            break;
        case Family::CC:
            if (diagonal) {
                lock(rules, {F::WordStep});
                rules.labelKeys[kStepColumn] = "IDD112_5310_EDIT16C";
            } else {
                lock(rules, {F::Step, F::WordStep});
            }
            break;
        case Family::CF:
            if (diagonal) {
                lock(rules, {F::Loop, F::WordStep});
                rules.labelKeys[kStepColumn] = "IDD112_5310_EDIT16C";
            } else {
                lock(rules, {F::Loop, F::Step, F::WordStep});
            }
            break;
        case Family::Word: lock(rules, {F::Step}); break;
        case Family::Circle:
        case Family::Unknown: break;
    }
}

}  // namespace

const std::array<ParamColumn, kParamColumnCount>& paramColumns() { return kColumns; }

ParameterPageRules parameterPageRules(const Mode& mode, bool openedForEdit) {
    ParameterPageRules rules;
    for (std::size_t i = 0; i < kColumns.size(); ++i) rules.labelKeys[i] = kColumns[i].labelKey;

    const kinds::KindClass kc = kinds::classifyKind(kinds::ruleKind(mode.kind, mode.circleKind));
    lockByFamily(rules, kc);
    if (kc.shape == Shape::Ring || kc.family == Family::Word) lock(rules, {ParamField::ExtraScope});
    if (mode.wordColorMode == 1) lock(rules, {ParamField::Loop, ParamField::WordStep});
    const bool custom = kinds::isCustomKind(mode.kind);
    rules.labelKeys[kLayerColumn] =
        (custom || openedForEdit) ? "IDD112_1311_EDIT17B" : "IDD112_1311_EDIT17C";
    return rules;
}

std::int32_t holdTimeFor(std::uint32_t stepDelay, std::int32_t stepCount) {
    const std::uint32_t total = stepDelay * static_cast<std::uint32_t>(stepCount);
    return static_cast<std::int32_t>(total / 10u);
}

std::optional<std::int32_t> HoldTimeRule::settle(std::uint32_t stepDelay, std::int32_t stepCount) {
    if (!pending_) return std::nullopt;
    pending_ = false;
    return holdTimeFor(stepDelay, stepCount);
}

std::int32_t cellFromPixels(std::int32_t pixels, std::int32_t cellSize) {
    if (cellSize <= 0) return pixels;
    std::int32_t q = pixels / cellSize;
    if (pixels % cellSize != 0 && pixels < 0) --q;  // round down, also below zero
    return q;
}

std::int32_t pixelsFromCell(std::int32_t cell, std::int32_t cellSize) {
    return cellSize <= 0 ? cell : cell * cellSize;
}

}  // namespace vx
