#pragma once
// The "Live Output" dialog (320): where the demo window sends its lamps as
// DMX while it plays — nowhere, OLA, sACN multicast or sACN to one host —
// and the first universe.

#include <QString>

#include <cstdint>
#include <optional>

class QWidget;

namespace vx {

class LanguageTable;

struct LiveOutputChoice {
    // "" (off), "ola", "sacn" or "sacn:HOST", as openDmxOutput() takes it.
    QString target;
    std::uint32_t firstUniverse = 1;
    bool operator==(const LiveOutputChoice&) const = default;
};

// The choice made, or nothing on Cancel.
std::optional<LiveOutputChoice> askLiveOutput(QWidget* parent, const LiveOutputChoice& current,
                                              const LanguageTable& table);

}  // namespace vx
