#pragma once
// Runs a Controller Preview off the user-interface thread: builds the image
// when none is given, starts the controller in the simulator and keeps it
// running in step with the wall clock, comparing each frame with the preview
// (twin_run.h). Frames are handed over in order through takeFrames(); the
// `framesReady` signal says when there are new ones. Nothing is dropped: when
// the simulator is slower than real time the frames simply come late.
// stop() (and the destructor) ends the simulator at once, and a build after
// the toolchain step in hand, as Create BIN File does.

#include <QObject>
#include <QString>

#include <atomic>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "engine/compiled_effects.h"
#include "layout/lamp_layout.h"
#include "output/firmware/firmware_build.h"
#include "output/twin/twin_run.h"

namespace vx {

struct TwinJob {
    LampLayout layout;
    CompiledEffects effects;
    std::size_t program = 0;
    std::optional<std::filesystem::path> image;  // built when not given
    FirmwareBuildOptions build;                  // for building it
    std::filesystem::path scratch;               // an existing folder for the simulator
};

enum class TwinPhase { Building, Starting, Running, Failed, Stopped };

class TwinRunner : public QObject {
    Q_OBJECT
public:
    explicit TwinRunner(QObject* parent = nullptr);
    ~TwinRunner() override;

    void start(TwinJob job);
    void stop();
    std::vector<TwinFrame> takeFrames();
    TwinPhase phase() const { return phase_; }
    // The error key of a failed run, and its detail.
    QString errorKey() const;
    QString errorDetail() const;
    // Seconds of wall time since the controller's reset.
    double wallSeconds() const;
    // The image the run plays (once built).
    std::filesystem::path image() const;

Q_SIGNALS:
    void framesReady();
    void phaseChanged();

private:
    void work(TwinJob job);
    void setPhase(TwinPhase phase);
    void fail(const Error& error);

    std::thread thread_;
    int stopFd_ = -1;  // an eventfd: readable once stop() is called
    std::atomic<bool> stopping_{false};
    std::atomic<TwinPhase> phase_{TwinPhase::Stopped};
    std::atomic<double> resetAt_{0};  // steady-clock seconds of the controller's reset
    mutable std::mutex mutex_;
    std::deque<TwinFrame> frames_;
    Error error_;
    std::filesystem::path image_;
};

}  // namespace vx
