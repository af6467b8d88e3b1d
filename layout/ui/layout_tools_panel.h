#pragma once
// The layout tools panel (103) beside the layout view: what lies under the
// pointer (COORDINATES, LAMP INFO, PORT INFO) and the PORT EDIT group with
// its twelve port buttons, ADD, INSERT and DELETE. The panel keeps the port
// editing state and announces every change of it.

#include <QWidget>

#include <functional>
#include <optional>

#include "layout/lamp_layout.h"
#include "layout/ports.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace vx {

// What the pointer readout shows for one cell.
struct PointerReadout {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t zoom = 16;
    std::optional<std::int32_t> lampNumber;  // the lamp on the cell, if any
    std::size_t total = 0;                   // lamps in the layout
    std::optional<std::int32_t> port;        // the lamp's port and chain place
    std::optional<std::int32_t> portOrder;
};

PointerReadout readPointer(const LampLayout& layout, std::int32_t x, std::int32_t y,
                           std::int32_t zoom);

class LayoutToolsPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialog = 103;
    static constexpr int kFirstPortButton = 1317;  // ports 1..12: 1317..1328
    static constexpr int kAdd = 1336;
    static constexpr int kInsert = 1334;
    static constexpr int kDelete = 7000;

    explicit LayoutToolsPanel(QWidget* parent = nullptr);

    void showReadout(const PointerReadout& readout);
    // The readout of a view the pointer has not been over yet: its zoom and
    // lamp count, and no cell; with nothing, every field empty.
    void clearReadout(const std::optional<PointerReadout>& view);
    void showTotal(std::size_t total);
    const PortEditState& portState() const { return state_; }
    // Set from outside (the Port Edit dialog, a double-click, the lamp modes).
    void setPortState(const PortEditState& state);
    // Asked by INSERT for the chain place (the Insert Position dialog); no
    // answer leaves the insert position as it was.
    void setInsertPositionAsker(std::function<std::optional<int>()> ask) { ask_ = std::move(ask); }

    QRadioButton* portButton(int port) const;
    QPushButton* addButton() const { return add_; }
    QPushButton* insertButton() const { return insert_; }
    QPushButton* deleteButton() const { return delete_; }
    // The value field beside a caption: "x", "y", "zoom", "id", "total", "port", "lamp".
    QLabel* field(const char* name) const;

Q_SIGNALS:
    void portStateChanged(const vx::PortEditState& state);

private:
    void change(const PortEditState& state);

    PortEditState state_;
    std::function<std::optional<int>()> ask_;
    QRadioButton* ports_[kPortCount] = {};
    QPushButton* add_;
    QPushButton* insert_;
    QPushButton* delete_;
};

}  // namespace vx
