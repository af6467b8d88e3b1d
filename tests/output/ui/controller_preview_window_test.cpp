// The Controller Preview window driven headless over the families example:
// it builds the image, paints both sides from the running simulator, marks
// each frame on the strip and names the first difference; the program key
// starts the next program group from the image already built; and a user
// interface that falls behind shows every frame late, one a tick, and says
// how far behind it is.

#include "output/ui/controller_preview_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/compile/compile_effects.h"
#include "output/ui/twin_panels.h"
#include "tests/support/bundled_table.h"
#include "tests/support/example_layout.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

bool anyLit(const std::vector<ColorWord>& colours) {
    return std::ranges::any_of(colours, [](ColorWord c) { return c != 0; });
}

TEST(ControllerPreviewWindow, RunsBesideThePreviewAndShowsEveryFrame) {
    test::qtApplication();
    const test::TempFolder folder("controller-preview");
    for (const char* sub : {"work", "tools", "sim"}) fs::create_directories(folder.path() / sub);
    TwinJob job;
    job.layout = test::exampleLayout("families");
    job.effects = compileEffects(job.layout);
    job.program = 1;
    job.build.workFolder = folder.path() / "work";
    job.build.toolFolder = folder.path() / "tools";
    job.build.documentName = "families.led";
    job.scratch = folder.path() / "sim";
    const LanguageTable& table = test::bundledTable();
    ControllerPreviewWindow window(table, job);
    window.show();
    EXPECT_EQ(window.statusText(), QString::fromStdString(table.LookUpText("TWIN_BUILDING")));

    // Built, started, and showing frames: both sides lit, a mark a frame.
    ASSERT_TRUE(test::waitUntil([&] { return window.framesShown() >= 12; }, 240000))
        << window.statusText().toStdString();
    const DifferenceStrip& strip = window.strip();
    EXPECT_EQ(strip.marks(), window.framesShown());
    EXPECT_TRUE(anyLit(window.controllerPanel().colours()));
    EXPECT_TRUE(anyLit(window.previewPanel().colours()));
    // Program 1's rings outlast their steps on the controller a little: the
    // first difference is step timing, named with mode, lamp and time.
    ASSERT_TRUE(test::waitUntil([&] { return window.firstDifference().has_value(); }, 20000));
    EXPECT_EQ(window.firstDifference()->first, TwinVerdict::StepTiming);
    const QString named = window.differenceText();
    EXPECT_TRUE(named.contains("CM_EXPANDCIRCULAR_GC")) << named.toStdString();
    EXPECT_TRUE(named.contains(QString::fromStdString(table.LookUpText("TWIN_TIMING"))));
    EXPECT_FALSE(named.contains("TWIN_"));

    // The user interface held up for a second: the frames due meanwhile
    // come one a tick, late, and the window says so.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    const std::size_t before = window.framesShown();
    QTest::qWait(40);  // two or three display ticks
    EXPECT_GE(window.framesShown(), before + 1);
    EXPECT_LE(window.framesShown(), before + 4);
    EXPECT_GT(window.behindMs(), 500);
    const QString behind = QString::fromStdString(table.LookUpText("TWIN_BEHIND"))
                               .replace("%1", QString::number(window.behindMs()));
    EXPECT_TRUE(window.statusText().contains(behind)) << window.statusText().toStdString();
    EXPECT_EQ(strip.marks(), window.framesShown());

    // The program key: program group 0 from the same image, no new build.
    window.programKey()->click();
    EXPECT_EQ(window.program(), 0u);
    EXPECT_EQ(window.framesShown(), 0u);
    EXPECT_EQ(window.statusText(), QString::fromStdString(table.LookUpText("TWIN_STARTING")));
    ASSERT_TRUE(test::waitUntil([&] { return window.framesShown() >= 5; }, 60000));
    // Program 0 opens with colours read from the end, shown in reverse.
    ASSERT_TRUE(window.firstDifference().has_value());
    EXPECT_EQ(window.firstDifference()->first, TwinVerdict::ReversedColours);
}

}  // namespace
}  // namespace vx
