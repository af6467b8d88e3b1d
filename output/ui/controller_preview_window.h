#pragma once
// Controller Preview: the controller image running in the simulator beside
// the preview of the same program group, on one clock. Each side shows its
// lamps as the demo does; a strip below marks every frame compared (green
// where the two agree, amber for a documented difference, red for an
// unexplained one) and the first difference is named with its mode, lamp and
// time. The program key selects the next program group, as on the
// controller: the run starts again from reset with that many presses.
//
// Frames are shown at their time on the wall clock, one at a time: when the
// simulator cannot keep up, every frame is shown late, none skipped, and the
// window says how far behind it is.

#include <QLabel>
#include <QWidget>

#include <deque>
#include <memory>

#include "output/ui/twin_runner.h"
#include "platform/language/language_table.h"

class QPushButton;
class QTimer;

namespace vx {

class LampPanel;
class DifferenceStrip;

class ControllerPreviewWindow : public QWidget {
    Q_OBJECT
public:
    ControllerPreviewWindow(const LanguageTable& table, TwinJob job, QWidget* parent = nullptr);
    ~ControllerPreviewWindow() override;

    std::size_t program() const { return job_.program; }
    std::size_t framesShown() const { return shown_; }
    // How far the frame last shown lags the wall clock, in ms.
    std::int64_t behindMs() const { return behindMs_; }
    const std::optional<std::pair<TwinVerdict, TwinPoint>>& firstDifference() const {
        return first_;
    }
    const TwinRunner& runner() const { return runner_; }
    QPushButton* programKey() const { return key_; }
    const LampPanel& controllerPanel() const { return *controller_; }
    const LampPanel& previewPanel() const { return *preview_; }
    const DifferenceStrip& strip() const { return *strip_; }
    QString statusText() const { return status_->text(); }
    QString differenceText() const { return difference_->text(); }

    // The next program group with modes, after `program` (wrapping), as the
    // controller's key steps through its programs.
    static std::size_t nextProgram(const CompiledEffects& effects, std::size_t program);

private:
    void restart();
    void showNextFrame();
    void phaseChanged();
    QString verdictText(TwinVerdict verdict) const;
    QString text(const char* key) const;

    const LanguageTable& table_;
    TwinJob job_;
    TwinRunner runner_;
    std::deque<TwinFrame> waiting_;
    std::size_t shown_ = 0;
    std::size_t documented_ = 0;
    std::size_t unexplained_ = 0;
    std::int64_t behindMs_ = 0;
    std::optional<std::pair<TwinVerdict, TwinPoint>> first_;
    QLabel* programLabel_ = nullptr;
    QPushButton* key_ = nullptr;
    QLabel* status_ = nullptr;
    LampPanel* controller_ = nullptr;
    LampPanel* preview_ = nullptr;
    DifferenceStrip* strip_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* difference_ = nullptr;
    QTimer* display_ = nullptr;
};

}  // namespace vx
