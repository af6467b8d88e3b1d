#include "programming/ui/select_program_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/language/dialog_keys.h"
#include "platform/process.h"

namespace vx {
namespace {

constexpr int kPromptControl = 1000;
constexpr int kNoraAControl = 1001;
constexpr int kNoraBControl = 1002;
constexpr int kOkControl = 1;
constexpr int kCancelControl = 2;

// The same property the desktop's dialog-text helper reads.
void markControl(QWidget* widget, int control) { widget->setProperty("controlId", control); }

}  // namespace

SelectProgramDialog::SelectProgramDialog(const LanguageTable& table, ProgrammerSettings settings,
                                         std::filesystem::path image, ProgramStarter start,
                                         QWidget* parent)
    : QDialog(parent),
      table_(table),
      settings_(std::move(settings)),
      image_(std::move(image)),
      start_(start ? std::move(start) : ProgramStarter(startDetached)) {
    const std::string title = table_.DialogTitle(kSelectProgramDialog);
    setWindowTitle(title.empty() ? QString::fromUtf8(resourceTitle(kSelectProgramDialog).data())
                                 : QString::fromStdString(title));
    auto* prompt = new QLabel(caption(kPromptControl), this);
    markControl(prompt, kPromptControl);
    auto* noraA = new QPushButton(caption(kNoraAControl), this);
    noraA->setObjectName("noraA");
    markControl(noraA, kNoraAControl);
    auto* noraB = new QPushButton(caption(kNoraBControl), this);
    noraB->setObjectName("noraB");
    markControl(noraB, kNoraBControl);
    connect(noraA, &QPushButton::clicked, this, [this] { program(ControllerModel::NoraA); });
    connect(noraB, &QPushButton::clicked, this, [this] { program(ControllerModel::NoraB); });

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(caption(kOkControl), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(caption(kCancelControl), QDialogButtonBox::RejectRole);
    markControl(ok, kOkControl);
    markControl(cancel, kCancelControl);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* choices = new QHBoxLayout;
    choices->addWidget(noraA);
    choices->addWidget(noraB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(choices);
    layout->addWidget(buttons);
}

QString SelectProgramDialog::caption(int control) const {
    const std::string found = table_.DialogControlText(kSelectProgramDialog, control);
    if (!found.empty()) return QString::fromStdString(found);
    const auto resource = resourceCaption(kSelectProgramDialog, control);
    return QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size()));
}

void SelectProgramDialog::program(ControllerModel model) {
    const Status started = launchProgrammer(model, settings_, image_, start_);
    if (started) {
        accept();
        return;
    }
    const std::string text = table_.LookUpText(started.error().key);
    auto* box =
        new QMessageBox(QMessageBox::Warning, QStringLiteral("Vexolume"),
                        QString::fromStdString(text.empty() ? started.error().detail : text),
                        QMessageBox::Ok, this);
    box->setObjectName("message");
    box->setDetailedText(QString::fromStdString(started.error().detail));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace vx
