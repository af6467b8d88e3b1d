#include "app/wizard/ui/wizard_run.h"

#include "platform/language/language_state.h"
#include "platform/ui/dialog_texts.h"

namespace vx {

WizardRun::WizardRun(const LanguageState& language, QWidget* parent)
    : QObject(parent), language_(language), parent_(parent) {}

WizardRun::~WizardRun() {
    // The pages refer to the session and layout that go with the run.
    delete start_;
    delete shape_;
    delete styles_;
    delete report_;
}

QString WizardRun::text(const std::string& key) const {
    return QString::fromStdString(language_.LookUpText(key));
}

void WizardRun::start() { showStart(); }

void WizardRun::show(QDialog* page, int dialog) {
    if (current_ && current_ != page) current_->hide();
    ApplyDialogTexts(page, dialog, language_.table());
    current_ = page;
    page->show();
    page->raise();
    page->activateWindow();
}

void WizardRun::showStart() {
    if (!start_) {
        start_ = new WizardStartPage(parent_);
        connect(start_, &WizardStartPage::nextRequested, this, &WizardRun::showShape);
        // Closed or cancelled: the wizard ends without a layout.
        connect(start_, &QDialog::rejected, this, [this] {
            current_ = nullptr;
            Q_EMIT cancelled();
        });
    }
    show(start_, WizardStartPage::kDialog);
}

void WizardRun::showShape() {
    if (!shape_) {
        shape_ = new WizardShapePage(session_, layout_, parent_);
        WizardShapePage* page = shape_;
        connect(page, &WizardShapePage::backRequested, this, &WizardRun::showStart);
        connect(page, &WizardShapePage::nextRequested, this, &WizardRun::showStyles);
        connect(page, &WizardShapePage::finishRequested, this,
                [this] { end(WizardEnd::ContinueEdit); });
        connect(page, &WizardShapePage::addRequested, this, [this] { end(WizardEnd::AddLamps); });
        connect(page, &WizardShapePage::deleteRequested, this,
                [this] { end(WizardEnd::DeleteLamps); });
    }
    show(shape_, WizardShapePage::kDialog);
}

void WizardRun::showStyles() {
    // A new count on step 1 emptied the mode list: the styles page starts
    // over with fresh presets and an empty program tree.
    if (!styles_ || layout_.effects.modes.empty()) {
        if (current_ == styles_) current_ = nullptr;
        if (styles_) styles_->deleteLater();
        styles_ = new WizardStylesPage(
            session_, layout_, [this](const std::string& key) { return text(key); }, parent_);
        connect(styles_, &WizardStylesPage::backRequested, this, &WizardRun::showShape);
        connect(styles_, &WizardStylesPage::nextRequested, this, &WizardRun::showReport);
    }
    show(styles_, WizardStylesPage::kDialog);
}

void WizardRun::showReport() {
    if (current_ == report_) current_ = nullptr;
    // The old report may be the sender of the signal that brought us here.
    if (report_) report_->deleteLater();
    report_ = new WizardReportPage(
        session_, layout_, [this](const std::string& key) { return text(key); }, parent_);
    connect(report_, &WizardReportPage::backRequested, this, &WizardRun::showStyles);
    connect(report_, &WizardReportPage::finishRequested, this,
            [this](bool demo) { end(demo ? WizardEnd::StartDemo : WizardEnd::ContinueEdit); });
    show(report_, WizardReportPage::kDialog);
}

void WizardRun::end(WizardEnd how) {
    for (QDialog* page : std::initializer_list<QDialog*>{start_, shape_, styles_, report_}) {
        if (page != nullptr) page->hide();
    }
    current_ = nullptr;
    Q_EMIT finished(how);
}

LampLayout WizardRun::takeLayout() {
    LampLayout made = std::move(layout_);
    layout_ = LampLayout{};
    // As Transfer Data does: the effect side plays the wizard's lamps.
    made.effectLamps = transferredLamps(made.lamps);
    return made;
}

}  // namespace vx
