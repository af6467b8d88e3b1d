#include "output/ui/create_bin_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "output/ui/firmware_build_runner.h"
#include "platform/language/dialog_keys.h"

namespace vx {
namespace {

constexpr int kFormatControls[] = {1000, 1001, 1002};
constexpr int kCreateControl = 1003;
constexpr int kReportControl = 1005;
constexpr int kFormatBoxControl = 1006;
constexpr int kExitControl = 2;  // the dialog's Cancel, shown as "Exit"
constexpr const char* kBuildingKey = "ID_MSG_CBINDLG_CREATE";
constexpr const char* kRetryKey = "CRTBINDLG_ONBINGO_CBFF";

// The same property the desktop's dialog-text helper reads, so a language
// switch reaches these controls too.
void markControl(QWidget* widget, int control) { widget->setProperty("controlId", control); }

}  // namespace

CreateBinDialog::CreateBinDialog(const LanguageTable& table, CreateBinJob job, QWidget* parent)
    : QDialog(parent), table_(table), job_(std::move(job)), runner_(new FirmwareBuildRunner(this)) {
    const std::string title = table_.DialogTitle(kCreateBinDialog);
    setWindowTitle(title.empty() ? QString::fromUtf8(resourceTitle(kCreateBinDialog).data())
                                 : QString::fromStdString(title));

    auto* formatBox = new QGroupBox(caption(kFormatBoxControl), this);
    markControl(formatBox, kFormatBoxControl);
    auto* formatLayout = new QVBoxLayout(formatBox);
    formats_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(caption(kFormatControls[i]), formatBox);
        radio->setObjectName(QString("format%1").arg(i + 1));
        markControl(radio, kFormatControls[i]);
        formats_->addButton(radio, i + 1);
        formatLayout->addWidget(radio);
    }
    connect(formats_, &QButtonGroup::idClicked, this, &CreateBinDialog::choose);

    create_ = new QPushButton(caption(kCreateControl), this);
    create_->setObjectName("create");
    markControl(create_, kCreateControl);
    create_->setEnabled(false);  // until a format is chosen
    connect(create_, &QPushButton::clicked, this, &CreateBinDialog::create);
    exit_ = new QPushButton(caption(kExitControl), this);
    exit_->setObjectName("exit");
    markControl(exit_, kExitControl);
    connect(exit_, &QPushButton::clicked, this, &CreateBinDialog::reject);

    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setRange(0, 100);
    progress_->setValue(0);

    auto* reportBox = new QGroupBox(caption(kReportControl), this);
    markControl(reportBox, kReportControl);
    report_ = new QPlainTextEdit(reportBox);
    report_->setObjectName("report");
    report_->setReadOnly(true);
    report_->setMinimumSize(420, 130);
    auto* reportLayout = new QVBoxLayout(reportBox);
    reportLayout->addWidget(report_);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(create_);
    buttons->addWidget(exit_);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(formatBox, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(progress_);
    layout->addWidget(reportBox, 1);

    // Moves the bar on one step at a time while the toolchain works, which
    // reports nothing until it has finished.
    ticker_ = new QTimer(this);
    ticker_->setInterval(150);
    connect(ticker_, &QTimer::timeout, this, &CreateBinDialog::advance);
    connect(runner_, &FirmwareBuildRunner::progressed, this, [this](int percent) {
        if (percent > progress_->value()) progress_->setValue(percent);
    });
    connect(runner_, &FirmwareBuildRunner::retryAsked, this, &CreateBinDialog::askRetry);
    connect(runner_, &FirmwareBuildRunner::finished, this, &CreateBinDialog::finishBuild);
}

CreateBinDialog::~CreateBinDialog() = default;

bool CreateBinDialog::building() const { return runner_->running(); }

const FirmwareBuildResult& CreateBinDialog::lastResult() const { return runner_->result(); }

QString CreateBinDialog::text(const std::string& key) const {
    const std::string found = table_.LookUpText(key);
    // The fixed English texts of the build are their own keys.
    return QString::fromStdString(found.empty() ? key : found);
}

QString CreateBinDialog::caption(int control) const {
    const std::string found = table_.DialogControlText(kCreateBinDialog, control);
    if (!found.empty()) return QString::fromStdString(found);
    const auto resource = resourceCaption(kCreateBinDialog, control);
    return QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size()));
}

void CreateBinDialog::choose(int format) {
    format_ = QString::number(format);
    create_->setEnabled(!building());
}

void CreateBinDialog::create() {
    if (format_.isEmpty() || building()) return;
    report_->setPlainText(text(kBuildingKey));
    progress_->setValue(0);
    FirmwareBuildOptions options;
    options.format = format_.toStdString();
    options.workFolder = job_.workFolder;
    options.toolFolder = job_.toolFolder;
    options.documentName = job_.documentName;
    options.pollCount = job_.pollCount;
    options.pollInterval = job_.pollInterval;
    options.lampCount = job_.lampCount;
    options.portTableFromWorkFolder = job_.portTableFromWorkFolder;
    // A copy of the table: the build thread reads it while this one may not.
    options.text = [table = table_](const std::string& key) {
        const std::string found = table.LookUpText(key);
        return found.empty() ? key : found;
    };
    create_->setEnabled(false);
    for (QAbstractButton* radio : formats_->buttons()) radio->setEnabled(false);
    runner_->start(job_.layout, std::move(options));
    ticker_->start();
}

void CreateBinDialog::advance() {
    if (progress_->value() < 99) progress_->setValue(progress_->value() + 1);
}

void CreateBinDialog::askRetry(const QString& detail) {
    ticker_->stop();
    auto* box = message(text(kRetryKey), detail);
    box->setIcon(QMessageBox::Question);
    box->setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box->setObjectName("retry");
    connect(box, &QMessageBox::finished, this, [this](int button) {
        const bool retry = button == QMessageBox::Retry;
        if (retry) {
            progress_->setValue(0);
            ticker_->start();
        }
        runner_->answer(retry);
    });
    box->open();
}

void CreateBinDialog::finishBuild() {
    ticker_->stop();
    const FirmwareBuildResult& result = runner_->result();
    for (QAbstractButton* radio : formats_->buttons()) radio->setEnabled(true);
    create_->setEnabled(!format_.isEmpty());
    if (closeWhenStopped_) {
        QDialog::reject();
        if (testAttribute(Qt::WA_DeleteOnClose)) deleteLater();
        return;
    }
    QString report = QString::fromStdString(result.report).replace("\r\n", "\n");
    if (result.completed) {
        progress_->setValue(100);
        report += "\n" + QString::fromStdString(result.image.string());
    }
    report_->setPlainText(report.isEmpty() ? report_->toPlainText() : report);

    QStringList texts;
    QStringList details;
    for (const Error& shown : result.messages) {
        // The building note is in the report box and Retry was asked already.
        if (shown.key == kBuildingKey || shown.key == kRetryKey) continue;
        texts << text(shown.key);
        details << QString::fromStdString(shown.detail);
    }
    if (!texts.isEmpty()) message(texts.join("\n\n"), details.join("\n"))->open();
    Q_EMIT buildFinished(result.completed);
}

QMessageBox* CreateBinDialog::message(const QString& body, const QString& detail) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vexolume"), body,
                                QMessageBox::Ok, this);
    box->setObjectName("message");
    if (!detail.isEmpty()) box->setDetailedText(detail);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void CreateBinDialog::closeEvent(QCloseEvent* event) {
    if (!building()) {
        QDialog::closeEvent(event);
        return;
    }
    // Not closed (nor deleted) yet: that waits for the build to stop.
    reject();
    event->ignore();
}

void CreateBinDialog::reject() {
    if (!building()) {
        QDialog::reject();
        return;
    }
    // Stop at the next step and leave once the build has stopped; a pending
    // Retry question is answered Cancel by the cancel itself.
    closeWhenStopped_ = true;
    runner_->cancel();
    for (auto* box : findChildren<QMessageBox*>()) box->close();
    hide();
}

}  // namespace vx
