#include "layout/ui/layout_tools_panel.h"

#include <QButtonGroup>
#include <QColor>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "layout/ui/dialog_controls.h"

namespace vx {
namespace {

QGroupBox* readoutGroup(int id, const char* title,
                        std::initializer_list<std::tuple<int, const char*, const char*>> rows) {
    auto* box = withControlId(new QGroupBox(QString::fromLatin1(title)), id);
    auto* form = new QFormLayout(box);
    for (const auto& [control, caption, name] : rows) {
        auto* value = new QLabel(QStringLiteral("-"));
        value->setObjectName(QString::fromLatin1(name));
        value->setMinimumWidth(48);
        form->addRow(withControlId(new QLabel(QString::fromLatin1(caption)), control), value);
    }
    return box;
}

QString numberOrDash(const std::optional<std::int32_t>& value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

}  // namespace

PointerReadout readPointer(const LampLayout& layout, std::int32_t x, std::int32_t y,
                           std::int32_t zoom) {
    PointerReadout r{x, y, zoom, std::nullopt, layout.lamps.size(), std::nullopt, std::nullopt};
    if (const auto index = lampAtCell(layout.lamps, x, y)) {
        const Lamp& lamp = layout.lamps[*index];
        r.lampNumber = lamp.number;
        if (lamp.port > 0) {
            r.port = lamp.port;
            r.portOrder = lamp.portOrder;
        }
    }
    return r;
}

LayoutToolsPanel::LayoutToolsPanel(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->addWidget(readoutGroup(
        1118, "COORDINATES", {{1123, "X:", "x"}, {1124, "Y:", "y"}, {1125, "ZOOM:", "zoom"}}));
    column->addWidget(
        readoutGroup(1119, "LAMP INFO", {{1126, "ID:", "id"}, {1127, "TOTAL:", "total"}}));
    column->addWidget(
        readoutGroup(1121, "PORT INFO", {{1128, "PORT:", "port"}, {1129, "LAMP:", "lamp"}}));

    auto* edit = withControlId(new QGroupBox(QStringLiteral("PORT EDIT")), 1122);
    auto* grid = new QGridLayout(edit);
    auto* group = new QButtonGroup(edit);
    for (int p = 1; p <= kPortCount; ++p) {
        auto* b = new QRadioButton(QString::number(p));
        b->setObjectName(QStringLiteral("port%1").arg(p));
        b->setProperty("controlId", kFirstPortButton + p - 1);  // numbered, not captioned
        b->setStyleSheet(QStringLiteral("QRadioButton { color: %1; }")
                             .arg(QColor(portColor(p) & 0xFF, (portColor(p) >> 8) & 0xFF,
                                         (portColor(p) >> 16) & 0xFF)
                                      .name()));
        group->addButton(b, p);
        ports_[p - 1] = b;
        grid->addWidget(b, (p - 1) / 3, (p - 1) % 3);
        connect(b, &QRadioButton::clicked, this, [this, p] { change(choosePort(state_, p)); });
    }
    add_ = withControlId(new QPushButton(QStringLiteral("ADD")), kAdd);
    insert_ = withControlId(new QPushButton(QStringLiteral("INSERT")), kInsert);
    delete_ = withControlId(new QPushButton(QStringLiteral("DELETE")), kDelete);
    grid->addWidget(add_, 4, 0);
    grid->addWidget(insert_, 4, 1);
    grid->addWidget(delete_, 4, 2);
    connect(add_, &QPushButton::clicked, this,
            [this] { change(chooseOperation(state_, PortOperation::Add)); });
    connect(delete_, &QPushButton::clicked, this,
            [this] { change(chooseOperation(state_, PortOperation::Remove)); });
    connect(insert_, &QPushButton::clicked, this, [this] {
        PortEditState next = chooseOperation(state_, PortOperation::Insert);
        if (ask_) {
            if (const auto position = ask_()) next = chooseInsertPosition(next, *position);
        }
        change(next);
    });
    column->addWidget(edit);
    column->addStretch(1);
}

void LayoutToolsPanel::showReadout(const PointerReadout& r) {
    field("x")->setText(QString::number(r.x));
    field("y")->setText(QString::number(r.y));
    field("zoom")->setText(QString::number(r.zoom));
    field("id")->setText(numberOrDash(r.lampNumber));
    field("total")->setText(QString::number(r.total));
    field("port")->setText(numberOrDash(r.port));
    field("lamp")->setText(numberOrDash(r.portOrder));
}

void LayoutToolsPanel::clearReadout(const std::optional<PointerReadout>& view) {
    for (const char* name : {"x", "y", "id", "port", "lamp", "zoom", "total"}) {
        field(name)->clear();
    }
    if (!view) return;
    field("zoom")->setText(QString::number(view->zoom));
    showTotal(view->total);
}

void LayoutToolsPanel::showTotal(std::size_t total) {
    field("total")->setText(QString::number(total));
}

void LayoutToolsPanel::setPortState(const PortEditState& state) {
    state_ = state;
    for (int p = 1; p <= kPortCount; ++p) {
        if (ports_[p - 1]->isChecked() != (state.currentPort == p)) {
            ports_[p - 1]->setAutoExclusive(false);
            ports_[p - 1]->setChecked(state.currentPort == p);
            ports_[p - 1]->setAutoExclusive(true);
        }
    }
}

QRadioButton* LayoutToolsPanel::portButton(int port) const {
    return port >= 1 && port <= kPortCount ? ports_[port - 1] : nullptr;
}

QLabel* LayoutToolsPanel::field(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void LayoutToolsPanel::change(const PortEditState& state) {
    state_ = state;
    Q_EMIT portStateChanged(state_);
}

}  // namespace vx
