#pragma once
// The "Create BIN File" dialog (1010): choose one of the three controller
// formats, then Create builds the firmware image in the background while the
// progress bar advances; the capacity report appears in the Report box and
// every message of the build is shown from the language table. When the
// binary does not appear the dialog asks Retry / Cancel. Closing the dialog
// during a build cancels it; the dialog goes away at once and finishes
// (finished(), and deletion when WA_DeleteOnClose is set) once the build has
// stopped.

#include <QDialog>
#include <QString>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "layout/lamp_layout.h"
#include "platform/language/language_table.h"

class QButtonGroup;
class QCloseEvent;
class QMessageBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vx {

class FirmwareBuildRunner;
struct FirmwareBuildResult;

inline constexpr int kCreateBinDialog = 1010;

// What one Create BIN File works on.
struct CreateBinJob {
    LampLayout layout;         // a copy: the build reads it on its own thread
    std::string documentName;  // names the image: "<name up to the first .><format>.hex"
    std::filesystem::path workFolder;
    std::filesystem::path toolFolder;
    // The desktop passes the lamps handed over by the last Transfer Data and
    // the port table that saving wrote into the working folder.
    std::optional<std::size_t> lampCount;
    bool portTableFromWorkFolder = true;
    int pollCount = 100;
    std::chrono::milliseconds pollInterval{20};
};

class CreateBinDialog : public QDialog {
    Q_OBJECT
public:
    CreateBinDialog(const LanguageTable& table, CreateBinJob job, QWidget* parent = nullptr);
    ~CreateBinDialog() override;

    // "1", "2" or "3" once a format is chosen; empty before.
    QString format() const { return format_; }
    bool building() const;
    // The result of the last finished build.
    const FirmwareBuildResult& lastResult() const;

Q_SIGNALS:
    void buildFinished(bool completed);

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString text(const std::string& key) const;
    QString caption(int control) const;
    void choose(int format);
    void create();
    void advance();
    void askRetry(const QString& detail);
    void finishBuild();
    QMessageBox* message(const QString& text, const QString& detail);

    LanguageTable table_;
    CreateBinJob job_;
    QString format_;
    FirmwareBuildRunner* runner_;
    QButtonGroup* formats_;
    QPushButton* create_;
    QPushButton* exit_;
    QProgressBar* progress_;
    QPlainTextEdit* report_;
    QTimer* ticker_;
    bool closeWhenStopped_ = false;
};

}  // namespace vx
