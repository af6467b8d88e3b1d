#include "output/tables/cluster_tables.h"

#include <string>

namespace vx {
namespace {

struct Family {
    const char* name;        // array name before its number
    std::size_t limit;       // most entries accepted
    std::size_t arrays;      // arrays always written
    std::size_t perLine;     // elements per line
    const char* tail;        // after the last element
    const char* emptyArray;  // body of an array beyond the last entry
    const char* refusedKey;
};

constexpr Family kCstGroup{"CstGroup",
                           kMaxClusters,
                           kMaxClusters + 1,
                           10,
                           " 0xffff };          \r\n ",
                           " 0xffff };          \r\n ",
                           kClustersRefusedKey};
constexpr Family kClusterGroup{"Cst_GroupGroup",
                               kMaxClusterGroups,
                               kMaxClusterGroups,
                               10,
                               " 0xffff };         \r\n  ",
                               " 0xffff };         \r\n  ",
                               kClusterGroupsRefusedKey};
constexpr Family kColorGroup{"Color_Group",
                             kMaxColorGroups,
                             kMaxColorGroups,
                             3,
                             " 0xffff };         \r\n  ",
                             "0,0,0, 0xffff };         \r\n  ",
                             kColorGroupsRefusedKey};

Result<TextPieces> buildFamily(const Family& family, const std::vector<UintList>& table) {
    if (table.size() > family.limit) {
        return Error{family.refusedKey, std::to_string(table.size()) + " entries for " +
                                            family.name + ", at most " +
                                            std::to_string(family.limit) + " fit"};
    }
    TextPieces pieces;
    pieces.reserve(family.arrays);
    for (std::size_t i = 0; i < family.arrays; ++i) {
        std::string piece =
            "code unsigned int " + std::string(family.name) + std::to_string(i) + "[] = {\r\n";
        if (i < table.size()) {
            const UintList& entry = table[i];
            for (std::size_t j = 0; j < entry.size(); ++j) {
                piece += std::to_string(entry[j]) + ", ";
                if (j % family.perLine == family.perLine - 1) piece += "\r\n";
            }
            piece += family.tail;
        } else {
            piece += family.emptyArray;
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

}  // namespace

Result<TextPieces> buildCstGroupText(const std::vector<UintList>& clusters) {
    return buildFamily(kCstGroup, clusters);
}

Result<TextPieces> buildClusterGroupText(const std::vector<UintList>& clusterGroups) {
    return buildFamily(kClusterGroup, clusterGroups);
}

Result<TextPieces> buildColorGroupText(const std::vector<UintList>& colorGroups) {
    return buildFamily(kColorGroup, colorGroups);
}

}  // namespace vx
