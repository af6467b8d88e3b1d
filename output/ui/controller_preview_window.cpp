#include "output/ui/controller_preview_window.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QTimer>

#include "output/ui/twin_panels.h"

namespace vx {
namespace {

// A frame shown this much after its time counts as behind.
constexpr std::int64_t kBehindMs = 100;
constexpr int kDisplayTickMs = 15;

}  // namespace

std::size_t ControllerPreviewWindow::nextProgram(const CompiledEffects& effects,
                                                 std::size_t program) {
    const std::size_t count = effects.programGroups.size();
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t candidate = (program + step) % count;
        if (!effects.programGroups[candidate].empty()) return candidate;
    }
    return program;
}

ControllerPreviewWindow::ControllerPreviewWindow(const LanguageTable& table, TwinJob job,
                                                 QWidget* parent)
    : QWidget(parent, Qt::Window), table_(table), job_(std::move(job)) {
    setWindowTitle(text("ID_TWIN_PREVIEW"));
    programLabel_ = new QLabel(this);
    key_ = new QPushButton(text("TWIN_KEY"), this);
    status_ = new QLabel(this);
    auto* top = new QHBoxLayout;
    top->addWidget(programLabel_);
    top->addWidget(key_);
    top->addStretch(1);
    top->addWidget(status_);

    controller_ = new LampPanel(job_.layout.lamps, this);
    preview_ = new LampPanel(job_.layout.lamps, this);
    auto* sides = new QGridLayout;
    sides->addWidget(new QLabel(text("TWIN_CONTROLLER"), this), 0, 0);
    sides->addWidget(new QLabel(text("TWIN_PREVIEW"), this), 0, 1);
    sides->addWidget(controller_, 1, 0);
    sides->addWidget(preview_, 1, 1);
    sides->setRowStretch(1, 1);

    strip_ = new DifferenceStrip(this);
    counts_ = new QLabel(this);
    difference_ = new QLabel(this);
    difference_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(sides, 1);
    layout->addWidget(strip_);
    layout->addWidget(counts_);
    layout->addWidget(difference_);

    display_ = new QTimer(this);
    display_->setInterval(kDisplayTickMs);
    connect(display_, &QTimer::timeout, this, &ControllerPreviewWindow::showNextFrame);
    connect(&runner_, &TwinRunner::framesReady, this, [this] {
        for (TwinFrame& frame : runner_.takeFrames()) waiting_.push_back(std::move(frame));
    });
    connect(&runner_, &TwinRunner::phaseChanged, this, &ControllerPreviewWindow::phaseChanged);
    connect(key_, &QPushButton::clicked, this, [this] {
        job_.program = nextProgram(job_.effects, job_.program);
        // The image is built once; the next run starts from it.
        if (!runner_.image().empty()) job_.image = runner_.image();
        restart();
    });
    resize(780, 420);
    restart();
}

ControllerPreviewWindow::~ControllerPreviewWindow() { runner_.stop(); }

QString ControllerPreviewWindow::text(const char* key) const {
    return QString::fromStdString(table_.LookUpText(key));
}

QString ControllerPreviewWindow::verdictText(TwinVerdict verdict) const {
    switch (verdict) {
        case TwinVerdict::ReversedColours: return text("TWIN_REVERSED");
        case TwinVerdict::OtherWay: return text("TWIN_OTHERWAY");
        case TwinVerdict::FillFromBlack: return text("TWIN_FILLBLACK");
        case TwinVerdict::Loops: return text("TWIN_LOOPS");
        case TwinVerdict::StepTiming: return text("TWIN_TIMING");
        case TwinVerdict::Agrees:
        case TwinVerdict::Unexplained: break;
    }
    return text("TWIN_UNEXPLAINED");
}

void ControllerPreviewWindow::restart() {
    runner_.stop();
    display_->stop();
    waiting_.clear();
    shown_ = documented_ = unexplained_ = 0;
    behindMs_ = 0;
    first_.reset();
    strip_->clear();
    controller_->setColours(std::vector<ColorWord>(job_.layout.lamps.size(), 0));
    preview_->setColours(std::vector<ColorWord>(job_.layout.lamps.size(), 0));
    programLabel_->setText(text("TWIN_PROGRAM").replace("%1", QString::number(job_.program)));
    counts_->clear();
    difference_->setText(text("TWIN_AGREE"));
    runner_.start(job_);
    phaseChanged();
    display_->start();
}

void ControllerPreviewWindow::phaseChanged() {
    // A build ends only after the toolchain step in hand: no restart meanwhile.
    key_->setEnabled(runner_.phase() != TwinPhase::Building);
    switch (runner_.phase()) {
        case TwinPhase::Building: status_->setText(text("TWIN_BUILDING")); break;
        case TwinPhase::Starting: status_->setText(text("TWIN_STARTING")); break;
        case TwinPhase::Running: status_->setText(text("TWIN_CLOCK").replace("%1", "0.0")); break;
        case TwinPhase::Failed: {
            const QString key = runner_.errorKey();
            QString message = QString::fromStdString(table_.LookUpText(key.toStdString()));
            if (message.isEmpty()) message = runner_.errorDetail();
            status_->setText(message);
            status_->setToolTip(runner_.errorDetail());
            break;
        }
        case TwinPhase::Stopped: break;
    }
}

// One frame a tick at most, and only once its time has come: late frames
// queue up and are all shown, one after another.
void ControllerPreviewWindow::showNextFrame() {
    if (waiting_.empty()) return;
    const double wall = runner_.wallSeconds();
    const TwinFrame& frame = waiting_.front();
    if (frame.controllerSeconds > wall) return;
    behindMs_ = static_cast<std::int64_t>((wall - frame.controllerSeconds) * 1000.0);
    controller_->setColours(frame.controller);
    preview_->setColours(frame.preview);
    strip_->add(frame.ms, frame.result.verdict);
    ++shown_;
    if (frame.result.verdict == TwinVerdict::Unexplained) {
        ++unexplained_;
    } else if (isDocumented(frame.result.verdict)) {
        ++documented_;
    }
    if (!first_ && frame.result.verdict != TwinVerdict::Agrees) {
        first_ = std::pair(frame.result.verdict, frame.result.where.value_or(TwinPoint{frame.ms}));
        const TwinPoint& p = first_->second;
        const auto& modes = job_.effects.programGroups[job_.program];
        QString mode = "-";
        if (p.mode >= 0 && static_cast<std::size_t>(p.mode) < modes.size()) {
            const Mode& m = job_.effects.modes[modes[static_cast<std::size_t>(p.mode)]];
            mode = text("TWIN_MODE")
                       .replace("%1", QString::number(p.mode))
                       .replace("%2", QString::fromStdString(m.kind));
        }
        difference_->setText(text("TWIN_FIRST")
                                 .replace("%1", QString::number(p.ms))
                                 .replace("%2", verdictText(first_->first))
                                 .replace("%3", QString::number(p.lamp))
                                 .replace("%4", mode));
    }
    counts_->setText(text("TWIN_COUNTS")
                         .replace("%1", QString::number(shown_))
                         .replace("%2", QString::number(shown_ - documented_ - unexplained_))
                         .replace("%3", QString::number(documented_))
                         .replace("%4", QString::number(unexplained_)));
    QString status =
        text("TWIN_CLOCK")
            .replace("%1", QString::number(static_cast<double>(frame.ms) / 1000.0, 'f', 1));
    if (behindMs_ > kBehindMs) {
        status += "  " + text("TWIN_BEHIND").replace("%1", QString::number(behindMs_));
    }
    status_->setText(status);
    waiting_.pop_front();
}

}  // namespace vx
