#include "app/wizard/ui/wizard_pages.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/wizard/ui/page_controls.h"

namespace vx {

using namespace wizard_ui;

WizardStartPage::WizardStartPage(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Layout Wizard"));
    auto* column = new QVBoxLayout(this);
    auto* text = caption("This wizard builds a rectangle of lamps.", 1000);
    text->setWordWrap(true);
    column->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* next = pushButton("Next", 1193);
    auto* cancel = pushButton("Cancel", 2);
    row->addWidget(next);
    row->addWidget(cancel);
    column->addLayout(row);
    connect(next, &QPushButton::clicked, this, &WizardStartPage::nextRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vx
