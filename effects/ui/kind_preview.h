#pragma once
// "Mode Preview": the selected kind played by the engine on a small lattice
// of lamps, looping, driven by a timer on the virtual clock.

#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>

#include "engine/compiled_effects.h"
#include "engine/play/playback.h"
#include "layout/lamp_layout.h"

namespace vx {

class KindPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 12;
    static constexpr int kRows = 8;
    static constexpr int kTickMs = 50;

    explicit KindPreview(QWidget* parent = nullptr);
    ~KindPreview() override;

    // Starts the preview of `kind` (stopping the one before); an empty kind stops.
    void play(const std::string& kind);
    const std::string& kind() const { return kind_; }
    // Advances the preview by one tick (the timer calls it).
    void tick();
    // Current lamp colours, 0x00BBGGRR, in lamp order.
    std::vector<ColorWord> colors() const;
    QSize sizeHint() const override { return {kColumns * 10 + 4, kRows * 10 + 4}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restart();

    LampLayout lattice_;
    CompiledEffects effects_;
    std::unique_ptr<Playback> playback_;
    std::string kind_;
    QTimer timer_;
};

// The mode a preview plays for `kind` on the preview lattice.
Mode previewMode(const std::string& kind);

}  // namespace vx
