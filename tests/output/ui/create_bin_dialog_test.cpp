// The Create BIN File dialog driven headless: its states, a real SDCC build of
// the sample, a missing image answered Retry then Cancel, the failures, and
// closing the dialog while it builds.

#include "output/ui/create_bin_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <set>

#include "layout/layout_file.h"
#include "layout/port_table.h"
#include "output/firmware/firmware_build.h"
#include "tests/support/bundled_table.h"
#include "tests/support/example_layout.h"
#include "tests/support/qt_app.h"
#include "tests/support/scoped_env.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class CreateBin : public ::testing::Test {
protected:
    CreateBin() {
        test::qtApplication();
        fs::create_directories(work_);
        fs::create_directories(tools_);
        // As the desktop leaves it after Transfer Data: the port table in the
        // working folder and the handed-over lamp count.
        job_.layout = test::exampleLayout();
        EXPECT_TRUE(writePortTable(job_.layout.lamps, work_));
        job_.documentName = "sample.led";
        job_.workFolder = work_;
        job_.toolFolder = tools_;
        job_.lampCount = job_.layout.lamps.size();
        job_.pollCount = 5;
    }
    // A dialog that deletes itself on close, as the desktop opens it.
    QPointer<CreateBinDialog> open() {
        auto* dialog = new CreateBinDialog(test::bundledTable(), job_);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    }
    // Opens the dialog, chooses `format` and presses Create; `finished` is set
    // when the build ends.
    QPointer<CreateBinDialog> startBuild(const char* format, bool& finished) {
        auto dialog = open();
        QObject::connect(dialog, &CreateBinDialog::buildFinished, [&finished] { finished = true; });
        dialog->findChild<QRadioButton*>(QString("format") + format)->click();
        dialog->findChild<QPushButton*>("create")->click();
        return dialog;
    }
    static QMessageBox* box(QWidget* dialog, const char* name) {
        for (auto* b : dialog->findChildren<QMessageBox*>(name)) {
            if (b->isVisible()) return b;
        }
        return nullptr;
    }
    // Replaces the toolchain on PATH with stand-ins running `body`.
    void standInToolchain(const std::string& body) {
        const fs::path bin = root_.path() / "bin";
        fs::create_directories(bin);
        for (const char* tool : {"sdcc", "packihx", "makebin"}) {
            ASSERT_TRUE(writeFileAtomically(bin / tool, "#!/bin/sh\n" + body + "\n"));
            ::chmod((bin / tool).c_str(), 0755);
        }
        path_.set("PATH", bin.string() + ":/usr/bin:/bin");
    }

    test::ScratchDir root_{"create-bin"};
    fs::path work_ = root_.path() / "work";
    fs::path tools_ = root_.path() / "tools";
    CreateBinJob job_;
    test::ScopedEnv path_;
};

TEST_F(CreateBin, CreateIsEnabledOnlyOnceAFormatIsChosen) {
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), "Create BIN File");
    auto* create = dialog->findChild<QPushButton*>("create");
    EXPECT_EQ(create->text(), "&Create");
    EXPECT_FALSE(create->isEnabled());
    EXPECT_TRUE(dialog->format().isEmpty());
    EXPECT_EQ(dialog->findChild<QProgressBar*>("progress")->value(), 0);
    auto* second = dialog->findChild<QRadioButton*>("format2");
    EXPECT_EQ(second->text(), "512 (Only Support V3.0 or Above)");
    second->click();
    EXPECT_TRUE(create->isEnabled());
    EXPECT_EQ(dialog->format(), "2");
    dialog->findChild<QPushButton*>("exit")->click();
    EXPECT_TRUE(test::waitUntil([&] { return dialog.isNull(); }, 2000));
}

TEST_F(CreateBin, SampleBuildsWithTheBarMovingAndShowsTheReport) {
    auto dialog = open();
    auto* progress = dialog->findChild<QProgressBar*>("progress");
    std::set<int> seen;
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int v) { seen.insert(v); });
    bool completed = false;
    bool finished = false;
    QObject::connect(dialog, &CreateBinDialog::buildFinished, [&](bool ok) {
        completed = ok;
        finished = true;
    });
    dialog->findChild<QRadioButton*>("format1")->click();
    dialog->findChild<QPushButton*>("create")->click();
    EXPECT_TRUE(dialog->building());
    EXPECT_FALSE(dialog->findChild<QPushButton*>("create")->isEnabled());
    ASSERT_TRUE(test::waitUntil([&] { return finished; }, 240000));
    ASSERT_TRUE(completed) << dialog->lastResult().toolLog;
    // The bar moved while the toolchain ran (a fast build may show few steps).
    EXPECT_GE(std::count_if(seen.begin(), seen.end(), [](int v) { return v > 0 && v < 100; }), 1);
    EXPECT_EQ(progress->value(), 100);
    const QString report = dialog->findChild<QPlainTextEdit*>("report")->toPlainText();
    EXPECT_TRUE(report.startsWith("Colour groups: ")) << report.toStdString();
    EXPECT_TRUE(report.contains("Program groups: 12.5% of 32\n"));
    EXPECT_TRUE(report.contains("% of 64K"));
    EXPECT_TRUE(report.endsWith("sample1.hex"));
    EXPECT_EQ(box(dialog, "message"), nullptr);  // nothing went wrong
    EXPECT_TRUE(test::fileText(work_ / "sample1.hex").ends_with("[LampNum]00160"));
}

// A toolchain that ends well but leaves no image: the user is asked whether
// to wait longer, and Cancel ends the build.
TEST_F(CreateBin, MissingImageIsAskedRetryThenCancel) {
    standInToolchain("exit 0");
    bool finished = false;
    auto dialog = startBuild("1", finished);
    ASSERT_TRUE(test::waitUntil([&] { return box(dialog, "retry") != nullptr; }, 60000));
    QMessageBox* retry = box(dialog, "retry");
    EXPECT_EQ(retry->windowTitle(), "Vexolume");
    EXPECT_TRUE(retry->text().startsWith("The firmware image has not appeared yet."));
    retry->button(QMessageBox::Retry)->click();
    ASSERT_TRUE(test::waitUntil([&] { return box(dialog, "retry") != nullptr; }, 60000));
    box(dialog, "retry")->button(QMessageBox::Cancel)->click();
    ASSERT_TRUE(test::waitUntil([&] { return finished; }, 60000));
    EXPECT_FALSE(dialog->lastResult().completed);
    EXPECT_FALSE(fs::exists(work_ / "sample1.hex"));
    EXPECT_TRUE(dialog->findChild<QPushButton*>("create")->isEnabled());  // may try again
}

// Each failure ends the build with its own message.
TEST_F(CreateBin, FailuresStopTheBuildWithTheirMessage) {
    struct Case {
        const char* name;
        std::function<void()> setUp;
        const char* format;
        const char* message;
        const char* detail;
    };
    // In this order: the first builds with SDCC, the second replaces it, the
    // third stops before the toolchain.
    const Case cases[] = {
        {"blocked output folder",
         [this] { fs::create_directories(work_ / "sample3.hex" / "in-the-way"); }, "3",
         "Cannot copy the firmware image into the working folder.", ""},
        {"failing compiler",
         [this] { standInToolchain("echo 'sing1.c:3: error 1: no' >&2\nexit 1"); }, "1",
         "A step of the firmware build failed", "error 1: no"},
        {"missing port table", [this] { fs::remove(work_ / "cport.h"); }, "1",
         "Cannot copy the port table cport.h into the tool folder.", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp();
        bool finished = false;
        auto dialog = startBuild(c.format, finished);
        ASSERT_TRUE(test::waitUntil([&] { return finished; }, 240000));
        EXPECT_EQ(box(dialog, "retry"), nullptr);
        QMessageBox* message = box(dialog, "message");
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->text().startsWith(c.message)) << message->text().toStdString();
        EXPECT_TRUE((message->text() + message->detailedText()).contains(c.detail));
        EXPECT_FALSE(fs::exists(work_ / "sample1.hex"));
        dialog->close();
    }
}

TEST_F(CreateBin, ClosingWhileBuildingHidesAtOnceAndEndsCleanly) {
    bool finished = false;
    auto dialog = startBuild("1", finished);
    ASSERT_TRUE(dialog->building());
    dialog->close();
    EXPECT_FALSE(dialog.isNull());
    EXPECT_FALSE(dialog->isVisible());
    // Deleted once the build has stopped at its next step.
    ASSERT_TRUE(test::waitUntil([&] { return dialog.isNull(); }, 240000));
}

}  // namespace
}  // namespace vx
