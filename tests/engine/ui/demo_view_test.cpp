// The demo view, driven headless: play states and the adjust tools with the
// mouse.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "engine/compile/compile_effects.h"
#include "engine/ui/demo_view.h"
#include "tests/support/example_layout.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

class DemoViewTest : public ::testing::Test {
protected:
    void SetUp() override { test::qtApplication(); }

    std::unique_ptr<DemoView> view(std::int32_t playState) {
        const LampLayout layout = test::exampleLayout();
        auto document =
            std::make_shared<DemoDocument>(layout.lamps, compileEffects(layout), playState, 0, 0);
        auto v = std::make_unique<DemoView>(document);
        v->resize(800, 600);
        v->player().setWallClock(false);
        return v;
    }

    static QRgb pixelOfLamp(DemoView& v, const QImage& image, std::size_t lamp) {
        const Lamp& l = v.document().lamps()[lamp];
        const int cell = v.document().cellSize();
        const auto& lamps = v.document().lamps();
        std::int32_t minX = lamps[0].x, maxX = minX, minY = lamps[0].y, maxY = minY;
        for (const Lamp& x : lamps) {
            minX = std::min(minX, x.x), maxX = std::max(maxX, x.x);
            minY = std::min(minY, x.y), maxY = std::max(maxY, x.y);
        }
        const int offX = (800 - (maxX + minX) * cell) / 2;
        const int offY = (600 - (maxY + minY) * cell) / 2;
        return image.pixel(l.x * cell + offX, l.y * cell + offY);
    }
};

TEST_F(DemoViewTest, ParallelPlayStartsOnTheFirstDrawAfterStartAndNotBefore) {
    auto v = view(playstate::kParallel);
    QImage image = v->render();
    EXPECT_EQ(v->document().cellSize(), 20);
    EXPECT_FALSE(v->player().playing());  // adjust mode
    EXPECT_EQ(pixelOfLamp(*v, image, 0), qRgb(0, 0, 0));

    v->startDemo();
    image = v->render();
    EXPECT_TRUE(v->player().playing());
    EXPECT_EQ(v->document().playState(), playstate::kParallelRunning);
    v->player().advanceTo(2000);  // the first mode, the sweep, paints
    image = v->render();
    EXPECT_NE(pixelOfLamp(*v, image, 0), qRgb(0, 0, 0));
    // The caption names the program group and the number of modes.
    bool caption = false;
    for (const auto& [at, text] : v->player().texts())
        caption = caption || text.starts_with("Program Group 0 [");
    EXPECT_TRUE(caption);

    // A redraw while it runs starts nothing new: the clock goes on.
    v->render();
    EXPECT_EQ(v->player().now(), 2000);
    // Start plays from the beginning again.
    v->startDemo();
    v->render();
    EXPECT_EQ(v->player().now(), 0);
}

TEST_F(DemoViewTest, SequentialPlayRunsOnTheClockAndReportsEachModeAndItsEnd) {
    auto v = view(playstate::kSequential);
    v->setTexts({QString(), QStringLiteral("M %1 %2"), QStringLiteral("ENDED")});
    QSignalSpy status(v.get(), &DemoView::statusTexts);
    v->startDemo();
    v->render();
    EXPECT_EQ(v->document().playState(), playstate::kIdle);
    ASSERT_GE(status.count(), 1);  // the first mode begins at once, at its place in the list
    PlayRequest sequential;
    sequential.order = PlayOrder::Sequential;
    const std::vector<Mode> list = playList(v->document().effects(), sequential);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(status.at(0).at(0).toString().toStdString(), "M 0 " + list.front().kind);
    // Played in steps of the clock; the window is never held.
    v->player().advanceTo(1000);
    EXPECT_TRUE(v->player().playing());
    // Redrawn, a sequential playback does not start again.
    v->render();
    EXPECT_EQ(v->player().now(), 1000);
    // Each later mode is named by its own place; the end is said once.
    for (std::int64_t ms = 1000; v->player().playing() && ms < 3'600'000; ms += 1000) {
        v->player().advanceTo(ms);
    }
    ASSERT_FALSE(v->player().playing());
    ASSERT_GE(status.count(), 2);
    for (int i = 1; i + 1 < status.count(); ++i) {
        EXPECT_TRUE(status.at(i).at(0).toString().startsWith(QStringLiteral("M %1 ").arg(i)));
    }
    EXPECT_EQ(status.back().at(0).toString(), QStringLiteral("ENDED"));
    v->player().advanceTo(3'700'000);
    EXPECT_EQ(status.back().at(0).toString(), QStringLiteral("ENDED"));
}

TEST_F(DemoViewTest, AdjustModeShowsHowToStart) {
    auto v = view(playstate::kParallel);
    const QImage without = v->render();
    v->setTexts({QStringLiteral("Choose Start to play."), QStringLiteral("%1 %2"), QString()});
    const QImage with = v->render();
    ASSERT_TRUE(v->document().adjustMode());
    // The hint sits in a band along the bottom edge; the rest is unchanged.
    EXPECT_NE(with.copy(0, 560, 800, 40), without.copy(0, 560, 800, 40));
    EXPECT_EQ(with.copy(0, 0, 800, 400), without.copy(0, 0, 800, 400));
}

// Choosing a group from the menu is checked through the desktop program; here
// the request the menu leaves for the view.
TEST_F(DemoViewTest, APendingProgramGroupRequestIsTakenByTheNextMouseMovement) {
    auto v = view(playstate::kParallel);
    v->startDemo();
    v->render();
    std::optional<int> pending = 2;
    v->takeProgramGroupRequest = [&pending] { return std::exchange(pending, std::nullopt); };
    v->show();
    QMouseEvent move(QEvent::MouseMove, QPointF(120, 100), QPointF(120, 100), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(v.get(), &move);
    EXPECT_EQ(v->document().programGroup(), 2);
    EXPECT_FALSE(pending.has_value());
}

TEST_F(DemoViewTest, AdjustModeMovesAndScalesThePictureWithTheMouse) {
    test::TempFolder folder;
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(QColor(0, 0, 200));
    const QString path = QString::fromStdString((folder.path() / "hall.png").string());
    ASSERT_TRUE(photo.save(path));
    auto v = view(playstate::kParallel);
    v->document().openPicture(path.toStdString());
    QImage image = v->render();
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 200));
    EXPECT_EQ(pixelOfLamp(*v, image, 0), qRgb(255, 0, 0));  // lamps shown in red over the picture

    v->document().setTool(PictureTool::Move);
    QTest::mousePress(v.get(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(v.get(), Qt::LeftButton, {}, QPoint(110, 60));
    EXPECT_EQ(v->document().picture(), (PicturePlacement{100, 50, 1.0}));
    image = v->render();
    EXPECT_EQ(image.pixel(105, 55), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(95, 55), qRgb(0, 0, 0));

    v->document().setTool(PictureTool::Widen);
    v->document().setScaleStep(0.5);
    QTest::mouseClick(v.get(), Qt::LeftButton, {}, QPoint(0, 0));
    EXPECT_DOUBLE_EQ(v->document().picture().scale, 1.5);
    image = v->render();
    EXPECT_EQ(image.pixel(100 + 55, 50 + 40), qRgb(0, 0, 200));  // 60 x 45 now
}

TEST_F(DemoViewTest, APictureOverTheLimitsIsNotDrawn) {
    // 140 KB declaring 12000 x 12000 pixels: refused by its header, undecoded.
    auto v = view(playstate::kParallel);
    v->document().openPicture(VEXOLUME_TEST_DATA "/bad_input/pictures/declares_12000.png");
    EXPECT_EQ(v->render().pixel(5, 5), qRgb(0, 0, 0));
}

TEST_F(DemoViewTest, LampShapeIsPlainOrRounded) {
    auto v = view(playstate::kParallel);
    v->startDemo();
    v->render();
    v->player().advanceTo(2000);
    v->setRoundLamps(false);
    const QImage square = v->render();
    v->setRoundLamps(true);
    const QImage round = v->render();
    // The corners of the cells are filled only when the cells are plain.
    int squareLit = 0, roundLit = 0;
    for (int y = 0; y < square.height(); ++y) {
        for (int x = 0; x < square.width(); ++x) {
            squareLit += square.pixel(x, y) != qRgb(0, 0, 0);
            roundLit += round.pixel(x, y) != qRgb(0, 0, 0);
        }
    }
    EXPECT_GT(squareLit, roundLit);
}

}  // namespace
}  // namespace vx
