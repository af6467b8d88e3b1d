#include "output/ui/twin_runner.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <iterator>

#include "output/twin/twin_image.h"

namespace vx {
namespace {

double steadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// How far the simulator runs ahead of the wall clock: frames are ready a
// little before they are due.
constexpr double kLead = 0.1;
constexpr double kStepSeconds = 0.02;

}  // namespace

TwinRunner::TwinRunner(QObject* parent) : QObject(parent) {
    stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

TwinRunner::~TwinRunner() {
    stop();
    if (stopFd_ >= 0) ::close(stopFd_);
}

void TwinRunner::stop() {
    stopping_ = true;
    if (stopFd_ >= 0) {
        const std::uint64_t one = 1;
        (void)!::write(stopFd_, &one, sizeof one);
    }
    if (thread_.joinable()) thread_.join();
}

void TwinRunner::start(TwinJob job) {
    stop();
    if (stopFd_ >= 0) {
        std::uint64_t count = 0;
        (void)!::read(stopFd_, &count, sizeof count);  // clears an earlier stop
    }
    stopping_ = false;
    resetAt_ = 0;
    {
        std::lock_guard lock(mutex_);
        frames_.clear();
        error_ = {};
    }
    setPhase(job.image ? TwinPhase::Starting : TwinPhase::Building);
    thread_ = std::thread([this, job = std::move(job)]() mutable { work(std::move(job)); });
}

std::vector<TwinFrame> TwinRunner::takeFrames() {
    std::lock_guard lock(mutex_);
    std::vector<TwinFrame> taken(std::make_move_iterator(frames_.begin()),
                                 std::make_move_iterator(frames_.end()));
    frames_.clear();
    return taken;
}

QString TwinRunner::errorKey() const {
    std::lock_guard lock(mutex_);
    return QString::fromStdString(error_.key);
}

QString TwinRunner::errorDetail() const {
    std::lock_guard lock(mutex_);
    return QString::fromStdString(error_.detail);
}

double TwinRunner::wallSeconds() const {
    const double reset = resetAt_;
    return reset > 0 ? steadySeconds() - reset : 0;
}

std::filesystem::path TwinRunner::image() const {
    std::lock_guard lock(mutex_);
    return image_;
}

void TwinRunner::setPhase(TwinPhase phase) {
    phase_ = phase;
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT phaseChanged(); }, Qt::QueuedConnection);
}

void TwinRunner::fail(const Error& error) {
    {
        std::lock_guard lock(mutex_);
        error_ = error;
    }
    setPhase(stopping_ ? TwinPhase::Stopped : TwinPhase::Failed);
}

void TwinRunner::work(TwinJob job) {
    std::filesystem::path image;
    if (job.image) {
        image = *job.image;
    } else {
        job.build.cancelled = [this] { return stopping_.load(); };
        auto built = buildTwinImage(job.layout, job.build);
        if (!built) return fail(built.error());
        image = *built;
        setPhase(TwinPhase::Starting);
    }
    {
        std::lock_guard lock(mutex_);
        image_ = image;
    }
    TwinRunOptions options;
    options.program = job.program;
    options.image = image;
    options.scratch = job.scratch;
    options.stopFd = stopFd_;
    auto run = TwinRun::start(job.layout, job.effects, options);
    if (!run) return fail(run.error());
    resetAt_ = steadySeconds();
    setPhase(TwinPhase::Running);
    while (!stopping_) {
        // The controller's own time runs with the wall clock; the preview's
        // starts with the program's first frame.
        const double target = wallSeconds() + kLead;
        const double controller = (*run)->controllerSeconds();
        if (controller >= target) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        const double next = std::min(target, controller + kStepSeconds);
        auto frames =
            (*run)->started() ? (*run)->runTo(next - (*run)->anchor()) : (*run)->runTo(next);
        if (!frames) return fail(frames.error());
        if (frames->empty()) continue;
        {
            std::lock_guard lock(mutex_);
            for (TwinFrame& frame : *frames) frames_.push_back(std::move(frame));
        }
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT framesReady(); }, Qt::QueuedConnection);
    }
    setPhase(TwinPhase::Stopped);
}

}  // namespace vx
