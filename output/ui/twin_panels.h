#pragma once
// The two pictures of the Controller Preview: the lamps in their colours as
// the demo draws them, and the strip of frame marks.

#include <QWidget>

#include <vector>

#include "layout/lamp.h"
#include "output/twin/twin_compare.h"

namespace vx {

class LampPanel : public QWidget {
public:
    LampPanel(std::vector<Lamp> lamps, QWidget* parent = nullptr);
    // Colours by lamp position (0x00BBGGRR).
    void setColours(std::vector<ColorWord> colours);
    const std::vector<ColorWord>& colours() const { return colours_; }
    QSize sizeHint() const override { return {360, 240}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<Lamp> lamps_;
    std::vector<ColorWord> colours_;
};

// One mark a frame, by its time on the preview's clock; the strip shows the
// last kStripSeconds.
class DifferenceStrip : public QWidget {
public:
    static constexpr std::int64_t kStripMs = 20000;
    explicit DifferenceStrip(QWidget* parent = nullptr);
    void add(std::int64_t ms, TwinVerdict verdict);
    void clear();
    std::size_t marks() const { return marks_.size(); }
    QSize sizeHint() const override { return {720, 22}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Mark {
        std::int64_t ms;
        TwinVerdict verdict;
    };
    std::vector<Mark> marks_;
};

}  // namespace vx
