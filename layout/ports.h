#pragma once
// Wiring lamps to the controller's twelve output ports. A port's lamps form a
// chain numbered 1, 2, 3 ... by portOrder. The operations here are pure: they
// read a layout and say which lamps change and how the editing state moves on,
// so that the caller can apply them as one undoable edit.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "layout/lamp_layout.h"

namespace vx {

inline constexpr std::int32_t kPortCount = 12;

// Colour word of port 1..12; a lamp on no port (or an unknown port) is green.
ColorWord portColor(std::int32_t port);

// The largest portOrder among lamps on `port` (0 when the port is empty).
std::int32_t highestPortOrder(const std::vector<Lamp>& lamps, std::int32_t port);

enum class PortOperation : std::int32_t { None = 0, Add = 1, Insert = 2, Remove = 3 };

// Port-editing state of a layout view; not saved with the layout.
struct PortEditState {
    std::int32_t currentPort = 0;   // 1..12; 0 = none chosen
    std::int32_t insertAfter = 0;   // the next inserted lamp takes insertAfter + 1
    std::int32_t highestOrder = 0;  // highest order seen on currentPort
    PortOperation operation = PortOperation::None;
    bool operator==(const PortEditState&) const = default;
};

// The port tools panel. Every choice forgets the highest order seen.
PortEditState choosePort(PortEditState state, std::int32_t port);
PortEditState chooseOperation(PortEditState state, PortOperation operation);
// INSERT followed by the Insert Position dialog: the lamp clicked next takes
// order `position`.
PortEditState chooseInsertPosition(PortEditState state, std::int32_t position);

// The Port Edit dialog: the port it proposes (currentPort + 1, or 1 before a
// port was chosen) and the state after OK. Add takes the port, insert the
// port and `insertAfter` as entered, remove neither.
std::int32_t proposedDialogPort(const PortEditState& state);
PortEditState acceptPortDialog(PortEditState state, PortOperation operation, std::int32_t port,
                               std::int32_t insertAfter);

struct LampChange {
    std::size_t index = 0;  // position in the lamp list
    Lamp lamp;              // the lamp as it becomes
    bool operator==(const LampChange&) const = default;
};

// The outcome of one click: the changed lamps and the state afterwards.
struct PortEdit {
    std::vector<LampChange> changes;
    PortEditState state;
};

// The first lamp in list order on cell (x, y).
std::optional<std::size_t> lampAtCell(const std::vector<Lamp>& lamps, std::int32_t x,
                                      std::int32_t y);

// Appends lamp `index` to the end of state.currentPort's chain. Nothing
// (nullopt) when no port is chosen, the index is out of range or the lamp is
// already on a port.
std::optional<PortEdit> addLampToPort(const std::vector<Lamp>& lamps, std::size_t index,
                                      const PortEditState& state);

// Puts lamp `index` at order insertAfter + 1 of state.currentPort's chain,
// moving later lamps up by one, and advances insertAfter so that repeated
// clicks insert one after another. Past the end of the chain it appends.
// Same refusals as addLampToPort.
std::optional<PortEdit> insertLampIntoPort(const std::vector<Lamp>& lamps, std::size_t index,
                                           const PortEditState& state);

// Takes lamp `index` out of its chain: later lamps of that port move down by
// one and the lamp becomes green, port 0, order 0. Nothing only when the index
// is out of range.
std::optional<PortEdit> removeLampFromPort(const std::vector<Lamp>& lamps, std::size_t index,
                                           const PortEditState& state);

// A click on lamp `index` under the state's operation; nothing for None.
std::optional<PortEdit> portClick(const std::vector<Lamp>& lamps, std::size_t index,
                                  const PortEditState& state);

// Writes the changed lamps into the list.
void applyLampChanges(std::vector<Lamp>& lamps, const std::vector<LampChange>& changes);

}  // namespace vx
