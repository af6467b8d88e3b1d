#pragma once
// Step 1 of the new-layout wizard: the rectangle of lamps it makes, the port
// they go on, and the count the page shows.

#include <cstdint>

namespace vx {

inline constexpr std::int32_t kWizardMaxCount = 200;

struct WizardShape {
    std::int32_t columns = 10;
    std::int32_t rows = 10;
    bool fill = true;       // a filled matrix, or only its outline
    std::int32_t port = 1;  // 1..12
    bool operator==(const WizardShape&) const = default;
};

// Col or Row as typed: outside 1..200 becomes 1, and when both are then 1
// the one just edited becomes 2, so the wizard never makes a single lamp.
WizardShape editWizardColumns(WizardShape shape, std::int64_t columns);
WizardShape editWizardRows(WizardShape shape, std::int64_t rows);

// columns x rows when filled; the outline's (columns + rows) x 2 - 4.
std::int32_t wizardTotal(const WizardShape& shape);

}  // namespace vx
