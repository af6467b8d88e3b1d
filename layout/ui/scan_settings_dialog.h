#pragma once
// The scan settings dialog (132): Object Size and Lamp Size in millimetres
// and the background colour scope. It only collects what was typed; the
// caller judges it with acceptScanSettings and reports the refusals.

#include <QDialog>

#include "layout/scan/scan_settings.h"

class QLineEdit;

namespace vx {

class ScanSettingsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 132;
    static constexpr int kObjectSize = 1000;
    static constexpr int kLampSize = 1002;
    static constexpr int kTolerance = 1003;

    explicit ScanSettingsDialog(const ScanSettingsEntry& current, QWidget* parent = nullptr);

    // The values as typed; an empty or unreadable field reads as 0.
    ScanSettingsEntry entry() const;

private:
    QLineEdit* objectSize_;
    QLineEdit* lampSize_;
    QLineEdit* tolerance_;
};

}  // namespace vx
