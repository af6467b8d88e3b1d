// Write To Controller: which tool starts for which controller, and the
// message keys when it cannot start.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_io.h"
#include "programming/programmer_launch.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct Recorder {
    std::vector<std::string> argv;
    fs::path folder;
    Status answer;
    ProgramStarter starter() {
        return [this](const std::vector<std::string>& a, const fs::path& f) {
            argv = a;
            folder = f;
            return answer;
        };
    }
};

class Launch : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(tools_);
        fs::create_directories(tools_ / "stc");
        ASSERT_TRUE(writeFileAtomically(tools_ / kFlashMagicName, std::string("x")));
        ASSERT_TRUE(writeFileAtomically(tools_ / "stc" / "stc-isp", std::string("x")));
        settings_.toolFolder = tools_;
        settings_.stcPath = "stc/stc-isp";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(tools_, ec);
    }
    fs::path tools_ = fs::temp_directory_path() / ("vx-prog-" + std::to_string(::getpid()));
    ProgrammerSettings settings_;
};

TEST_F(Launch, EachControllerStartsItsOwnToolInTheToolFolder) {
    Recorder r;
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraA, settings_, r.starter()).ok());
    EXPECT_EQ(r.argv, std::vector<std::string>{(tools_ / "FlashMagic.exe").string()});
    EXPECT_EQ(r.folder, tools_);

    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraB, settings_, r.starter()).ok());
    EXPECT_EQ(r.argv, std::vector<std::string>{(tools_ / "stc" / "stc-isp").string()});

    settings_.flashMagic = tools_ / "stc" / "stc-isp";  // a configured FlashMagic
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraA, settings_, r.starter()).ok());
    EXPECT_EQ(r.argv, std::vector<std::string>{(tools_ / "stc" / "stc-isp").string()});
}

TEST_F(Launch, ToolsThatCannotStartGiveTheirControllersMessage) {
    Recorder r;
    r.answer = Error{"PROCESS_START", "permission denied"};
    auto a = launchProgrammer(ControllerModel::NoraA, settings_, r.starter());
    ASSERT_FALSE(a.ok());
    EXPECT_EQ(a.error().key, "CSelPRG_ONOPEN300_ERR");
    EXPECT_NE(a.error().detail.find("permission denied"), std::string::npos);
    auto b = launchProgrammer(ControllerModel::NoraB, settings_, r.starter());
    ASSERT_FALSE(b.ok());
    EXPECT_EQ(b.error().key, "CSelPRG_ONOPEN400_ERR");

    Recorder never;
    never.answer = Error{"unexpected", "started"};
    settings_.stcPath = "stc/missing";
    auto missing = launchProgrammer(ControllerModel::NoraB, settings_, never.starter());
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().key, "CSelPRG_ONOPEN400_ERR");
    EXPECT_TRUE(never.argv.empty());
    settings_.stcPath.clear();
    EXPECT_EQ(launchProgrammer(ControllerModel::NoraB, settings_, never.starter()).error().key,
              "CSelPRG_ONOPEN400_ERR");
    fs::remove(tools_ / kFlashMagicName);
    EXPECT_EQ(launchProgrammer(ControllerModel::NoraA, settings_, never.starter()).error().key,
              "CSelPRG_ONOPEN300_ERR");
}

TEST_F(Launch, RealStartOfANonExecutableToolFails) {
    // The files made in SetUp are not executable.
    EXPECT_EQ(launchProgrammer(ControllerModel::NoraA, settings_).error().key,
              "CSelPRG_ONOPEN300_ERR");
    // A real program that needs nothing from the folder once it has started.
    fs::copy_file("/bin/true", tools_ / "stc" / "stc-isp", fs::copy_options::overwrite_existing);
    ::chmod((tools_ / "stc" / "stc-isp").c_str(), 0755);
    EXPECT_TRUE(launchProgrammer(ControllerModel::NoraB, settings_).ok());
}

}  // namespace
}  // namespace vx
