// The controller commands of the desktop program: from the sample to a
// tagged image through Create Bin File, then Write To Controller with a
// stand-in programming tool, and the two table output commands.

#include <sys/stat.h>

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "output/firmware/firmware_build.h"
#include "output/ui/create_bin_dialog.h"
#include "programming/ui/select_program_dialog.h"
#include "tests/output/oversized_layout.h"
#include "tests/support/scoped_env.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

class DesktopController : public Desktop {
protected:
    fs::path tools() const { return folder_.path() / "tools"; }
    ScopedEnv toolsVariable_{"VEXOLUME_TOOLS", tools().string()};
};

TEST_F(DesktopController, SampleToTaggedImageThenWriteToController) {
    // The NORA-B tool: a stand-in that records its arguments.
    fs::create_directories(tools());
    std::ofstream(tools() / "isp")
        << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > args.tmp\n"
        << "mv args.tmp args.txt\n";
    ::chmod((tools() / "isp").c_str(), 0755);
    std::ofstream(dataFolder() / "Mullanguage" / "Setting.ini")
        << "[Setting]\nLanguage=English\n[Programmer]\nNoraB=isp --port {port} {image}\n"
        << "Port=/dev/ttyUSB3\n";

    MainWindow* window = start(kSample.string());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->runCommand(cmd::TransferData));
    ASSERT_TRUE(window->runCommand(cmd::CreateBinFile));
    QPointer<CreateBinDialog> dialog = window->findChild<CreateBinDialog*>();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    bool completed = false;
    QObject::connect(dialog, &CreateBinDialog::buildFinished, [&](bool ok) { completed = ok; });
    dialog->findChild<QRadioButton*>("format1")->click();
    dialog->findChild<QPushButton*>("create")->click();
    ASSERT_TRUE(waitUntil([&] { return completed || !dialog->building(); }, 240000));
    ASSERT_TRUE(waitUntil([&] { return completed; }, 5000)) << dialog->lastResult().toolLog;
    const fs::path built = fs::current_path() / "sample1.hex";
    ASSERT_TRUE(fs::exists(built));
    const auto bytes = readFileBytes(built);
    EXPECT_TRUE(std::string(bytes->begin(), bytes->end()).ends_with("[LampNum]00160"));
    dialog->findChild<QPushButton*>("exit")->click();
    ASSERT_TRUE(waitUntil([&] { return dialog.isNull(); }, 2000));

    ASSERT_TRUE(window->runCommand(cmd::WriteToController));
    auto* select = window->findChild<SelectProgramDialog*>();
    ASSERT_NE(select, nullptr);
    select->findChild<QPushButton*>("noraB")->click();
    ASSERT_TRUE(waitUntil([&] { return fs::exists(tools() / "args.txt"); }, 5000));
    const auto args = readFileBytes(tools() / "args.txt");
    EXPECT_EQ(std::string(args->begin(), args->end()),
              "--port\n/dev/ttyUSB3\n" + built.string() + "\n");
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
}

TEST_F(DesktopController, CreateDataSaysWhichTableIsOverItsLimit) {
    const fs::path layout = writeTooColorfulLayout(folder_.path());
    MainWindow* window = start(layout.string());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->action(cmd::WriteToController)->isEnabled());
    ASSERT_TRUE(window->runCommand(cmd::TransferData));
    ASSERT_TRUE(window->runCommand(cmd::CreateEffectData));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].startsWith("Modes: ")) << messages_[0].toStdString();
    EXPECT_TRUE(messages_[0].endsWith("\nToo many colour groups: at most 101 can be written. "
                                      "The colour table is left out."));
}

}  // namespace
}  // namespace vx::test
