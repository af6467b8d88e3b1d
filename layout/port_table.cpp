#include "layout/port_table.h"

#include <algorithm>
#include <cstddef>

#include "layout/ports.h"
#include "platform/file_io.h"

namespace vx {

std::string portTableText(const std::vector<Lamp>& lamps) {
    std::string text;
    std::vector<std::size_t> chain;
    for (std::int32_t port = 1; port <= kPortCount; ++port) {
        text += "code unsigned int CPort" + std::to_string(port) + "[] = {\r\n";
        // Orders below 1 are never written; the rest go from the far end of the
        // chain back to its start, lamps of equal order in list order.
        chain.clear();
        for (std::size_t i = 0; i < lamps.size(); ++i) {
            if (lamps[i].port == port && lamps[i].portOrder >= 1) chain.push_back(i);
        }
        std::stable_sort(chain.begin(), chain.end(), [&](std::size_t a, std::size_t b) {
            return lamps[a].portOrder > lamps[b].portOrder;
        });
        for (const std::size_t i : chain) {
            text += std::to_string(lamps[i].number) + " , ";
            if (lamps[i].portOrder % 10 == 0) text += "\r\n";
        }
        text += "0xFFFF\r\n };\r\n";
    }
    return text;
}

Status writePortTable(const std::vector<Lamp>& lamps, const std::filesystem::path& folder) {
    const Status written = writeFileAtomically(folder / kPortTableFileName, portTableText(lamps));
    if (!written) {
        return Error{"EDITIMAGEDOC_ONCPORTOUT_CFCF", written.error().detail};
    }
    return {};
}

}  // namespace vx
