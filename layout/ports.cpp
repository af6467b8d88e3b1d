#include "layout/ports.h"

#include <algorithm>
#include <array>

namespace vx {
namespace {

constexpr std::array<ColorWord, kPortCount> kPortColors = {
    0x0000FF, 0xFF0000, 0x00C8FF, 0xFF00FF, 0xFFFF00, 0x408000,
    0x0080FF, 0x804000, 0x400080, 0xFF80FF, 0x008080, 0x4040FF,
};

bool acceptsNewLamp(const std::vector<Lamp>& lamps, std::size_t index, const PortEditState& state) {
    return state.currentPort != 0 && index < lamps.size() && lamps[index].port <= 0;
}

Lamp placed(Lamp lamp, std::int32_t port, std::int32_t order) {
    lamp.port = port;
    lamp.portOrder = order;
    lamp.color = portColor(port);
    return lamp;
}

}  // namespace

ColorWord portColor(std::int32_t port) {
    if (port < 1 || port > kPortCount) return kGreen;
    return kPortColors[static_cast<std::size_t>(port - 1)];
}

std::int32_t highestPortOrder(const std::vector<Lamp>& lamps, std::int32_t port) {
    std::int32_t highest = 0;
    for (const Lamp& lamp : lamps) {
        if (lamp.port == port) highest = std::max(highest, lamp.portOrder);
    }
    return highest;
}

std::optional<std::size_t> lampAtCell(const std::vector<Lamp>& lamps, std::int32_t x,
                                      std::int32_t y) {
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        if (lamps[i].x == x && lamps[i].y == y) return i;
    }
    return std::nullopt;
}

std::optional<PortEdit> addLampToPort(const std::vector<Lamp>& lamps, std::size_t index,
                                      const PortEditState& state) {
    if (!acceptsNewLamp(lamps, index, state)) return std::nullopt;
    PortEdit edit;
    edit.state = state;
    edit.state.highestOrder =
        std::max(state.highestOrder, highestPortOrder(lamps, state.currentPort));
    edit.changes.push_back(
        {index, placed(lamps[index], state.currentPort, edit.state.highestOrder + 1)});
    return edit;
}

std::optional<PortEdit> insertLampIntoPort(const std::vector<Lamp>& lamps, std::size_t index,
                                           const PortEditState& state) {
    if (!acceptsNewLamp(lamps, index, state)) return std::nullopt;
    PortEdit edit;
    edit.state = state;
    const std::int32_t highest =
        std::max(state.highestOrder, highestPortOrder(lamps, state.currentPort));
    edit.state.highestOrder = highest;
    std::int32_t order = 0;
    if (state.insertAfter < highest) {
        for (std::size_t i = 0; i < lamps.size(); ++i) {
            const Lamp& lamp = lamps[i];
            if (lamp.port == state.currentPort && lamp.portOrder > state.insertAfter) {
                Lamp moved = lamp;
                ++moved.portOrder;
                edit.changes.push_back({i, moved});
            }
        }
        order = state.insertAfter + 1;
    } else {
        order = highest + 1;
    }
    edit.state.insertAfter = order;
    edit.changes.push_back({index, placed(lamps[index], state.currentPort, order)});
    return edit;
}

std::optional<PortEdit> removeLampFromPort(const std::vector<Lamp>& lamps, std::size_t index,
                                           const PortEditState& state) {
    if (index >= lamps.size()) return std::nullopt;
    PortEdit edit;
    edit.state = state;
    const Lamp& clicked = lamps[index];
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        const Lamp& lamp = lamps[i];
        if (i != index && lamp.port == clicked.port && lamp.portOrder > clicked.portOrder) {
            Lamp moved = lamp;
            --moved.portOrder;
            edit.changes.push_back({i, moved});
        }
    }
    Lamp freed = clicked;
    freed.color = kGreen;
    freed.port = 0;
    freed.portOrder = 0;
    edit.changes.push_back({index, freed});
    return edit;
}

PortEditState choosePort(PortEditState state, std::int32_t port) {
    state.currentPort = port;
    state.highestOrder = 0;
    return state;
}

PortEditState chooseOperation(PortEditState state, PortOperation operation) {
    state.operation = operation;
    state.highestOrder = 0;
    return state;
}

PortEditState chooseInsertPosition(PortEditState state, std::int32_t position) {
    state.operation = PortOperation::Insert;
    state.insertAfter = position - 1;
    state.highestOrder = 0;
    return state;
}

std::int32_t proposedDialogPort(const PortEditState& state) {
    return state.currentPort == 0 ? 1 : state.currentPort + 1;
}

PortEditState acceptPortDialog(PortEditState state, PortOperation operation, std::int32_t port,
                               std::int32_t insertAfter) {
    state.operation = operation;
    if (operation == PortOperation::Add || operation == PortOperation::Insert) {
        state.currentPort = port;
    }
    if (operation == PortOperation::Insert) state.insertAfter = insertAfter;
    state.highestOrder = 0;
    return state;
}

std::optional<PortEdit> portClick(const std::vector<Lamp>& lamps, std::size_t index,
                                  const PortEditState& state) {
    switch (state.operation) {
        case PortOperation::Add: return addLampToPort(lamps, index, state);
        case PortOperation::Insert: return insertLampIntoPort(lamps, index, state);
        case PortOperation::Remove: return removeLampFromPort(lamps, index, state);
        case PortOperation::None: break;
    }
    return std::nullopt;
}

void applyLampChanges(std::vector<Lamp>& lamps, const std::vector<LampChange>& changes) {
    for (const LampChange& change : changes) {
        if (change.index < lamps.size()) lamps[change.index] = change.lamp;
    }
}

}  // namespace vx
