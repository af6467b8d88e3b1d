#include "output/firmware/capacity_report.h"

#include <cmath>

namespace vx {
namespace {

std::int64_t tenths(std::size_t count, double perEntry) {
    return static_cast<std::int64_t>(std::floor(static_cast<double>(count) * perEntry));
}

}  // namespace

bool CapacityFigures::overCapacity() const {
    return programGroups > 1000 || clusters > 1000 || clusterGroups > 1000 || colorGroups > 1000;
}

CapacityFigures capacityFigures(const CapacityInput& input) {
    CapacityFigures f;
    const bool wide = input.format == "2";
    f.clusterCapacity = wide ? 512 : 254;
    f.programGroups = tenths(input.programGroupsUsed, 31.25);
    f.clusters = tenths(input.clusterCount, wide ? 1.953125 : 3.937007874015748);
    f.clusterGroups = tenths(input.clusterGroupCount, 16.39344262295082);
    f.colorGroups = tenths(input.colorGroupCount, 9.900990099009901);
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
