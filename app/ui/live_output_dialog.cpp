#include "app/ui/live_output_dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "platform/language/language_table.h"
#include "platform/ui/dialog_texts.h"

namespace vx {
namespace {

constexpr int kLiveDialog = 320;
constexpr int kOutputLabel = 1401;
constexpr int kOff = 1402;
constexpr int kOla = 1403;
constexpr int kMulticast = 1404;
constexpr int kUnicast = 1405;
constexpr int kHostLabel = 1406;
constexpr int kUniverseLabel = 1407;
constexpr int kOk = 1;
constexpr int kCancel = 2;

template <class W>
W* captioned(int control) {
    auto* w = new W(resourceCaptionText(kLiveDialog, control));
    w->setObjectName(QStringLiteral("control%1").arg(control));
    setControlId(w, control);
    return w;
}

}  // namespace

std::optional<LiveOutputChoice> askLiveOutput(QWidget* parent, const LiveOutputChoice& current,
                                              const LanguageTable& table) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("liveOutputDialog"));
    box.setWindowTitle(resourceTitleText(kLiveDialog));
    auto* grid = new QGridLayout(&box);
    grid->addWidget(captioned<QLabel>(kOutputLabel), 0, 0);
    auto* choices = new QButtonGroup(&box);
    int row = 0;
    for (const int id : {kOff, kOla, kMulticast, kUnicast}) {
        auto* button = captioned<QRadioButton>(id);
        choices->addButton(button, id);
        grid->addWidget(button, row++, 1, 1, 2);
    }
    auto* host = new QLineEdit;
    host->setObjectName(QStringLiteral("host"));
    grid->addWidget(captioned<QLabel>(kHostLabel), row, 1);
    grid->addWidget(host, row++, 2);
    auto* universe = new QSpinBox;
    universe->setObjectName(QStringLiteral("universe"));
    universe->setRange(1, 63999);
    universe->setValue(static_cast<int>(current.firstUniverse));
    grid->addWidget(captioned<QLabel>(kUniverseLabel), row, 0);
    grid->addWidget(universe, row++, 1, 1, 2);

    const QString& t = current.target;
    const int chosen = t.isEmpty()                   ? kOff
                       : t == QStringLiteral("ola")  ? kOla
                       : t == QStringLiteral("sacn") ? kMulticast
                                                     : kUnicast;
    choices->button(chosen)->setChecked(true);
    if (chosen == kUnicast) host->setText(t.mid(5));
    host->setEnabled(chosen == kUnicast);
    QObject::connect(choices, &QButtonGroup::idToggled, host, [host](int id, bool on) {
        if (id == kUnicast) host->setEnabled(on);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    for (auto [which, id] :
         {std::pair{QDialogButtonBox::Ok, kOk}, std::pair{QDialogButtonBox::Cancel, kCancel}}) {
        QPushButton* b = buttons->button(which);
        b->setText(resourceCaptionText(kLiveDialog, id));
        setControlId(b, id);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    grid->addWidget(buttons, row, 0, 1, 3);
    ApplyDialogTexts(&box, kLiveDialog, table);
    if (box.exec() != QDialog::Accepted) return std::nullopt;

    LiveOutputChoice choice;
    choice.firstUniverse = static_cast<std::uint32_t>(universe->value());
    switch (choices->checkedId()) {
        case kOla: choice.target = QStringLiteral("ola"); break;
        case kMulticast: choice.target = QStringLiteral("sacn"); break;
        case kUnicast:
            // Without a host this is multicast: sACN needs no address for that.
            choice.target = host->text().trimmed().isEmpty()
                                ? QStringLiteral("sacn")
                                : QStringLiteral("sacn:") + host->text().trimmed();
            break;
        default: break;
    }
    return choice;
}

}  // namespace vx
