#pragma once
// How much of the controller's capacity a firmware image uses. Every figure
// is computed in whole tenths of a percent (fractions dropped) and shown with
// one decimal.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vx {

struct CapacityInput {
    std::string format = "1";           // "1", "2" or "3"
    std::size_t programGroupsUsed = 0;  // program groups with at least one mode
    std::size_t clusterCount = 0;
    std::size_t clusterGroupCount = 0;
    std::size_t colorGroupCount = 0;
    std::uintmax_t imageSize = 0;  // bytes of the binary image
};

struct CapacityFigures {
    std::int64_t programGroups = 0;  // tenths of a percent of 32
    std::int64_t clusters = 0;       // of clusterCapacity
    std::int64_t clusterGroups = 0;  // of 61
    std::int64_t colorGroups = 0;    // of 101
    std::int64_t imageSize = 0;      // of 64K
    int clusterCapacity = 254;       // 512 for format "2", 254 otherwise
    // Any of the four table figures above 100 %.
    bool overCapacity() const;
};

CapacityFigures capacityFigures(const CapacityInput& input);

// "12.3" for 123 tenths.
std::string formatTenths(std::int64_t tenths);

// The report, one line per figure (colour groups, cluster groups, clusters,
// program groups, image size) and the over-capacity line when needed, lines
// ended by "\r\n". `text` gives the language text of a message key.
std::string capacityReport(const CapacityInput& input,
                           const std::function<std::string(const std::string&)>& text);

}  // namespace vx
