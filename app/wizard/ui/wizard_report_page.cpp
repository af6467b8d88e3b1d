#include "app/wizard/ui/wizard_pages.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/wizard/ui/page_controls.h"

namespace vx {

using namespace wizard_ui;

WizardReportPage::WizardReportPage(const WizardSession& session, const LampLayout& layout,
                                   TextLookup text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Layout Wizard - Step 3"));
    report_ = new QListWidget;
    const auto name = [&text](std::size_t s) {
        return text("ID_MSG_CMODEEDIT_STYLE" + std::to_string(s)).toStdString();
    };
    for (const auto& line : wizardReport(layout.lamps.size(), session.chosen(), name)) {
        report_->addItem(QString::fromStdString(line));
    }
    demo_ = withControlId(new QRadioButton(QStringLiteral("Start Demo")), 1211);
    edit_ = withControlId(new QRadioButton(QStringLiteral("Continue Edit")), 1210);
    demo_->setChecked(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(caption("Report", 1000));
    column->addWidget(report_);
    column->addWidget(demo_);
    column->addWidget(edit_);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(pushButton("Back", 1207));
    row->addWidget(pushButton("Finish", 1208));
    column->addLayout(row);
    connect(button(1208), &QPushButton::clicked, this,
            [this] { Q_EMIT finishRequested(startDemo()); });
    connect(button(1207), &QPushButton::clicked, this, &WizardReportPage::backRequested);
}

bool WizardReportPage::startDemo() const { return demo_->isChecked(); }

QRadioButton* WizardReportPage::endChoice(int control) const {
    return control == 1211 ? demo_ : control == 1210 ? edit_ : nullptr;
}

QPushButton* WizardReportPage::button(int control) const { return findButton(this, control); }

}  // namespace vx
