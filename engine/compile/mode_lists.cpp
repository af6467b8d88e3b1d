#include "engine/compile/mode_lists.h"

#include <algorithm>
#include <array>

#include "engine/compile/outline.h"
#include "engine/compile/rings.h"
#include "engine/compile/scans.h"

namespace vx {

namespace {

enum class Order {
    None,
    Columns,
    Rows,
    AntiDiagonals,
    Diagonals,
    SideFrame,
    Kernel,
    ColumnBands,
    RowBands,
    AntiDiagonalBands,
    DiagonalBands,
    Rings
};

struct Row {
    std::string_view kind;
    Order order;
};

// The lamp-list diagonals and the group diagonals are crossed on purpose:
// LEFTUP lamp lists follow x - y lines, LEFTUP groups x + y lines.
constexpr std::array<Row, 61> kOrders = {{
    {"CM_LEFTTORIGHT_CC", Order::Columns},
    {"CM_LEFTTORIGHT_CF", Order::Columns},
    {"CM_RIGHTTOLEFT_CC", Order::Columns},
    {"CM_RIGHTTOLEFT_CF", Order::Columns},
    {"CM_BRIGHTTODARK", Order::Columns},
    {"CM_UPTODOWN_CC", Order::Rows},
    {"CM_UPTODOWN_CF", Order::Rows},
    {"CM_DOWNTOUP_CC", Order::Rows},
    {"CM_DOWNTOUP_CF", Order::Rows},
    {"CM_LEFTDOWN_CC", Order::AntiDiagonals},
    {"CM_LEFTDOWN_CF", Order::AntiDiagonals},
    {"CM_RIGHTUP_CC", Order::AntiDiagonals},
    {"CM_RIGHTUP_CF", Order::AntiDiagonals},
    {"CM_LEFTUP_CC", Order::Diagonals},
    {"CM_LEFTUP_CF", Order::Diagonals},
    {"CM_RIGHTDOWN_CC", Order::Diagonals},
    {"CM_RIGHTDOWN_CF", Order::Diagonals},
    {"CM_SIDEFRAME_CC", Order::SideFrame},
    {"CM_SIDEFRAME_CF", Order::SideFrame},
    {"CM_ASIDEFRAME_CC", Order::SideFrame},
    {"CM_ASIDEFRAME_CF", Order::SideFrame},
    {"CM_SIDEFRAMEBD", Order::SideFrame},
    {"CM_SIDEFRAME_SCROLL", Order::SideFrame},
    {"CM_ASIDEFRAME_SCROLL", Order::SideFrame},
    {"CM_KERNELBD", Order::Kernel},
    {"CM_LEFTTORIGHT_GC", Order::ColumnBands},
    {"CM_LEFTTORIGHT_GOBC", Order::ColumnBands},
    {"CM_LEFTTORIGHT_GF", Order::ColumnBands},
    {"CM_RIGHTTOLEFT_GC", Order::ColumnBands},
    {"CM_RIGHTTOLEFT_GOBC", Order::ColumnBands},
    {"CM_RIGHTTOLEFT_GF", Order::ColumnBands},
    {"CM_LEFTTORIGHT_SCROLL", Order::ColumnBands},
    {"CM_RIGHTTOLEFT_SCROLL", Order::ColumnBands},
    {"CM_UPTODOWN_GC", Order::RowBands},
    {"CM_UPTODOWN_GOBC", Order::RowBands},
    {"CM_UPTODOWN_GF", Order::RowBands},
    {"CM_DOWNTOUP_GC", Order::RowBands},
    {"CM_DOWNTOUP_GOBC", Order::RowBands},
    {"CM_DOWNTOUP_GF", Order::RowBands},
    {"CM_UPTODOWN_SCROLL", Order::RowBands},
    {"CM_DOWNTOUP_SCROLL", Order::RowBands},
    {"CM_LEFTUP_GC", Order::AntiDiagonalBands},
    {"CM_LEFTUP_GOBC", Order::AntiDiagonalBands},
    {"CM_LEFTUP_GF", Order::AntiDiagonalBands},
    {"CM_RIGHTDOWN_GC", Order::AntiDiagonalBands},
    {"CM_RIGHTDOWN_GOBC", Order::AntiDiagonalBands},
    {"CM_RIGHTDOWN_GF", Order::AntiDiagonalBands},
    {"CM_LEFTUP_SCROLL", Order::AntiDiagonalBands},
    {"CM_RIGHTDOWN_SCROLL", Order::AntiDiagonalBands},
    {"CM_LEFTDOWN_GC", Order::DiagonalBands},
    {"CM_LEFTDOWN_GOBC", Order::DiagonalBands},
    {"CM_LEFTDOWN_GF", Order::DiagonalBands},
    {"CM_RIGHTUP_GC", Order::DiagonalBands},
    {"CM_RIGHTUP_GOBC", Order::DiagonalBands},
    {"CM_RIGHTUP_GF", Order::DiagonalBands},
    {"CM_LEFTDOWN_SCROLL", Order::DiagonalBands},
    {"CM_RIGHTUP_SCROLL", Order::DiagonalBands},
    {"CM_EXPANDCIRCULAR_GC", Order::Rings},
    {"CM_EXPANDCIRCULAR_GF", Order::Rings},
    {"CM_SHRINKCIRCULAR_GC", Order::Rings},
    {"CM_SHRINKCIRCULAR_GF", Order::Rings},
}};

Order orderOf(std::string_view kind) {
    const auto it =
        std::find_if(kOrders.begin(), kOrders.end(), [&](const Row& r) { return r.kind == kind; });
    return it == kOrders.end() ? Order::None : it->order;
}

}  // namespace

UintList buildLampOrder(const ScanInput& in, std::string_view kind) {
    const Mode& m = in.mode;
    switch (orderOf(kind)) {
        case Order::Columns: return scanColumns(in, m.startX);
        case Order::Rows: return scanRows(in, m.startY);
        case Order::AntiDiagonals: return scanAntiDiagonals(in, m.startX, m.startY, m.bandWidth);
        case Order::Diagonals: return scanDiagonals(in, m.startX, m.startY, m.bandWidth);
        case Order::SideFrame: return traceSideFrame(in);
        case Order::Kernel: return collectKernel(in);
        default: return {};
    }
}

Bands buildGroupOrder(const ScanInput& in, std::string_view kind) {
    switch (orderOf(kind)) {
        case Order::ColumnBands: return buildColumnBands(in);
        case Order::RowBands: return buildRowBands(in);
        case Order::AntiDiagonalBands: return buildAntiDiagonalBands(in);
        case Order::DiagonalBands: return buildDiagonalBands(in);
        case Order::Rings: return buildRings(in);
        default: return {};
    }
}

}  // namespace vx
