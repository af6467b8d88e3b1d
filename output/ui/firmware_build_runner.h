#pragma once
// Runs Create BIN File on a thread of its own, so the window that started it
// stays responsive while the toolchain works. The build reports progress and
// asks whether to wait longer through signals delivered on the thread that
// owns the runner; cancel() ends it at its next step (the toolchain step
// running then finishes first: no thread or process is killed).

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>

#include "layout/lamp_layout.h"
#include "output/firmware/firmware_build.h"

class QThread;

namespace vx {

class FirmwareBuildRunner : public QObject {
    Q_OBJECT
public:
    explicit FirmwareBuildRunner(QObject* parent = nullptr);
    // Cancels a running build and waits for it to stop.
    ~FirmwareBuildRunner() override;

    // Starts the build; false while one is still running. The options'
    // progress, retry and cancelled callbacks are the runner's own.
    bool start(LampLayout layout, FirmwareBuildOptions options);
    bool running() const;
    void cancel();
    // The reply to retryAsked: true polls again, false stops.
    void answer(bool retry);
    // The result of the last build, once `finished` has been signalled.
    const FirmwareBuildResult& result() const { return result_; }

Q_SIGNALS:
    void progressed(int percent);
    // The binary has not appeared; answer() must follow.
    void retryAsked(const QString& detail);
    void finished();

private:
    bool askRetry(const Error& asked);

    QThread* thread_ = nullptr;
    LampLayout layout_;
    FirmwareBuildOptions options_;
    FirmwareBuildResult result_;
    std::atomic<bool> cancelled_{false};
    std::mutex mutex_;
    std::condition_variable answered_;
    std::optional<bool> answer_;
};

}  // namespace vx
