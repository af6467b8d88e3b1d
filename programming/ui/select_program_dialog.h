#pragma once
// The "Select Program" dialog (6023) of Write To Controller: "Your Controller
// is: " with a button per controller. A button starts that controller's
// programming tool with the image and closes the dialog as OK; when the tool
// cannot be started its message is shown and the dialog stays open.

#include <QDialog>

#include <filesystem>

#include "platform/language/language_table.h"
#include "programming/programmer_launch.h"

class QMessageBox;

namespace vx {

inline constexpr int kSelectProgramDialog = 6023;

class SelectProgramDialog : public QDialog {
    Q_OBJECT
public:
    // `image` is the firmware image handed to the tool (may be empty);
    // `start` starts it (startDetached when not given).
    SelectProgramDialog(const LanguageTable& table, ProgrammerSettings settings,
                        std::filesystem::path image, ProgramStarter start = {},
                        QWidget* parent = nullptr);

    void program(ControllerModel model);

private:
    QString caption(int control) const;

    LanguageTable table_;
    ProgrammerSettings settings_;
    std::filesystem::path image_;
    ProgramStarter start_;
};

}  // namespace vx
