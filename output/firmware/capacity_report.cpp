#include "output/firmware/capacity_report.h"

namespace vx {
namespace {

// count x (1000 / capacity), fractions dropped; in integers so that a full
// table is exactly 100.0 %.
std::int64_t tenths(std::size_t count, std::size_t capacity) {
    return static_cast<std::int64_t>(count * 1000 / capacity);
}

}  // namespace

bool CapacityFigures::overCapacity() const {
    return programGroups > 1000 || clusters > 1000 || clusterGroups > 1000 || colorGroups > 1000;
}

CapacityFigures capacityFigures(const CapacityInput& input) {
    CapacityFigures f;
    const bool wide = input.format == "2";
    f.clusterCapacity = wide ? 512 : 254;
    f.programGroups = tenths(input.programGroupsUsed, 32);
    f.clusters = tenths(input.clusterCount, wide ? 512 : 254);
    f.clusterGroups = tenths(input.clusterGroupCount, 61);
    f.colorGroups = tenths(input.colorGroupCount, 101);
    f.imageSize = static_cast<std::int64_t>(input.imageSize / 640);
    return f;
}

std::string formatTenths(std::int64_t value) {
    const std::string sign = value < 0 ? "-" : "";
    const std::int64_t magnitude = value < 0 ? -value : value;
    return sign + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

std::string capacityReport(const CapacityInput& input,
                           const std::function<std::string(const std::string&)>& text) {
    const CapacityFigures f = capacityFigures(input);
    std::string report;
    auto line = [&](const char* key, std::int64_t value, const std::string& of) {
        report += text(key) + " " + formatTenths(value) + "% of " + of + "\r\n";
    };
    line("ID_MSG_CBINDLG_COGRP", f.colorGroups, "101");
    line("ID_MSG_CBINDLG_GRPCLUGRP", f.clusterGroups, "61");
    line("ID_MSG_CBINDLG_CLUGRP", f.clusters, std::to_string(f.clusterCapacity));
    line("ID_MSG_CBINDLG_PRGGRP", f.programGroups, "32");
    report += text("ID_MSG_CBINDLG_SIZE") + " " + std::to_string(input.imageSize) + "(Byte)  " +
              formatTenths(f.imageSize) + "% of 64K\r\n";
    if (f.overCapacity()) report += text("ID_MSG_CBINDLG_RRBSB") + "\r\n";
    return report;
}

}  // namespace vx
