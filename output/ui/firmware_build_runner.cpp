#include "output/ui/firmware_build_runner.h"

#include <QThread>

namespace vx {

FirmwareBuildRunner::FirmwareBuildRunner(QObject* parent) : QObject(parent) {}

FirmwareBuildRunner::~FirmwareBuildRunner() {
    cancel();
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

bool FirmwareBuildRunner::running() const { return thread_ != nullptr && !thread_->isFinished(); }

bool FirmwareBuildRunner::start(LampLayout layout, FirmwareBuildOptions options) {
    if (running()) return false;
    delete thread_;
    layout_ = std::move(layout);
    options_ = std::move(options);
    result_ = {};
    cancelled_ = false;
    {
        std::lock_guard lock(mutex_);
        answer_.reset();
    }
    // Signals emitted on the build thread reach the owner's thread queued.
    options_.progress = [this](int percent) { Q_EMIT progressed(percent); };
    options_.retry = [this](const Error& asked) { return askRetry(asked); };
    options_.cancelled = [this] { return cancelled_.load(); };
    thread_ = QThread::create([this] { result_ = buildFirmware(layout_, options_); });
    connect(thread_, &QThread::finished, this, &FirmwareBuildRunner::finished);
    thread_->start();
    return true;
}

void FirmwareBuildRunner::cancel() {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    answered_.notify_all();
}

void FirmwareBuildRunner::answer(bool retry) {
    std::lock_guard lock(mutex_);
    answer_ = retry;
    answered_.notify_all();
}

bool FirmwareBuildRunner::askRetry(const Error& asked) {
    std::unique_lock lock(mutex_);
    if (cancelled_) return false;
    answer_.reset();
    lock.unlock();
    Q_EMIT retryAsked(QString::fromStdString(asked.detail));
    lock.lock();
    answered_.wait(lock, [this] { return answer_.has_value() || cancelled_; });
    const bool retry = answer_.value_or(false) && !cancelled_;
    answer_.reset();
    return retry;
}

}  // namespace vx
