// The Select Program dialog driven headless: a button starts its
// controller's tool (a stand-in that records its arguments) and closes the
// dialog; a tool that cannot start shows its message and the dialog stays.

#include "programming/ui/select_program_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "platform/file_io.h"
#include "tests/support/bundled_table.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class SelectProgram : public ::testing::Test {
protected:
    SelectProgram() {
        test::qtApplication();
        fs::create_directories(tools_);
        settings_.toolFolder = tools_;
        settings_.stcPath = "stcgal";
        settings_.port = "/dev/ttyUSB2";
        // The NORA-B tool: writes each argument on a line of args.txt.
        EXPECT_TRUE(writeFileAtomically(
            tools_ / "stcgal",
            std::string("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > args.tmp\n"
                        "mv args.tmp args.txt\n")));
        ::chmod((tools_ / "stcgal").c_str(), 0755);
        settings_.noraACommand = "no-such-flash-tool {image}";
    }
    test::TempFolder root_{"select-program"};
    fs::path tools_ = root_.path() / "tools";
    fs::path image_ = root_.path() / "show 2" / "sample1.hex";
    ProgrammerSettings settings_;
};

TEST_F(SelectProgram, ShowsItsTextsAndStartsTheStcToolWithPortAndImage) {
    SelectProgramDialog dialog(test::bundledTable("English"), settings_, image_);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Select Program");
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Your Controller is: ");
    EXPECT_EQ(dialog.findChild<QPushButton*>("noraA")->text(), "NORA-A(DMX512-RF)");
    dialog.findChild<QPushButton*>("noraB")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(test::waitUntil([&] { return fs::exists(tools_ / "args.txt"); }, 5000));
    const auto args = readFileBytes(tools_ / "args.txt");
    EXPECT_EQ(std::string(args->begin(), args->end()),
              "-p\n/dev/ttyUSB2\n" + image_.string() + "\n");
}

TEST_F(SelectProgram, ToolThatCannotStartIsExplainedAndTheDialogStays) {
    SelectProgramDialog dialog(test::bundledTable("German"), settings_, image_);
    dialog.show();
    dialog.findChild<QPushButton*>("noraA")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    auto* message = dialog.findChild<QMessageBox*>("message");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "Das Programmierwerkzeug FlashMagic kann nicht gestartet werden.");
    EXPECT_TRUE(message->detailedText().contains("no-such-flash-tool"));
    EXPECT_FALSE(fs::exists(tools_ / "args.txt"));
}

}  // namespace
}  // namespace vx
