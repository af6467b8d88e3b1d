#pragma once
// One run of the new-layout wizard in the desktop program: its pages shown
// one at a time over a layout of the run's own, in the language in use. The
// owner hears how the user ended it and takes the layout then.

#include <QObject>
#include <QPointer>

#include "app/wizard/ui/wizard_pages.h"
#include "app/wizard/wizard_session.h"

namespace vx {

class LanguageState;

enum class WizardEnd {
    StartDemo,     // step 3 Finish with "Start Demo"
    ContinueEdit,  // step 3 Finish with "Continue Edit", or Finish on step 1
    AddLamps,      // Add on step 1: the user goes on inserting lamps by hand
    DeleteLamps,   // Delete on step 1: ... or removing them
};

class WizardRun : public QObject {
    Q_OBJECT
public:
    // The run and its pages belong to `parent`; `language` outlives them.
    WizardRun(const LanguageState& language, QWidget* parent);
    ~WizardRun() override;

    // Shows the start page.
    void start();
    // The page on screen, or null after the end.
    QDialog* currentPage() const { return current_; }
    // The layout made, its lamps also handed to the effect side.
    LampLayout takeLayout();

Q_SIGNALS:
    void finished(vx::WizardEnd end);
    // The start page was closed without going on.
    void cancelled();

private:
    void showStart();
    void showShape();
    void showStyles();
    void showReport();
    void show(QDialog* page, int dialog);
    void end(WizardEnd end);
    QString text(const std::string& key) const;

    const LanguageState& language_;
    QWidget* parent_;
    WizardSession session_;
    LampLayout layout_;
    // The first three pages keep what the user chose while Back and Next
    // move between them; the report is made afresh each time. They are
    // windows of the parent, which may go first.
    QPointer<WizardStartPage> start_;
    QPointer<WizardShapePage> shape_;
    QPointer<WizardStylesPage> styles_;
    QPointer<WizardReportPage> report_;
    QPointer<QDialog> current_;
};

}  // namespace vx
