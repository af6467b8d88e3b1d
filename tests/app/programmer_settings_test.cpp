// The programming tools' settings in Setting.ini: defaults, reading, and
// writing without disturbing the language setting.

#include "app/settings/programmer_settings.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/language/language_settings.h"
#include "tests/support/bundled_table.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(ProgrammerSettings, DefaultsThenStoredValuesKeepingTheLanguage) {
    test::TempFolder dir("programmer-settings");
    const auto file = dir.path() / "Setting.ini";
    const LanguageTable table = test::bundledTable();

    ProgrammerSettings settings = readProgrammerSettings(file, "/tools", table);
    EXPECT_EQ(settings.toolFolder, "/tools");
    EXPECT_EQ(settings.noraACommand, kDefaultNoraACommand);
    EXPECT_TRUE(settings.noraBCommand.empty());
    EXPECT_EQ(settings.stcPath, "stcgal");  // from the table's STC_PATH
    EXPECT_EQ(settings.port, kDefaultSerialPort);

    ASSERT_TRUE(writeLanguageSetting(file, "German"));
    settings.noraACommand = "\"/opt/flash magic/fm\" {port} {image}";
    settings.port = "/dev/ttyACM1";
    ASSERT_TRUE(writeProgrammerSettings(file, settings));
    const ProgrammerSettings back = readProgrammerSettings(file, "/tools", table);
    EXPECT_EQ(back.noraACommand, settings.noraACommand);
    EXPECT_TRUE(back.noraBCommand.empty());  // stays with STC_PATH
    EXPECT_EQ(back.port, "/dev/ttyACM1");
    EXPECT_EQ(readLanguageSetting(file), "German");
}

}  // namespace
}  // namespace vx
