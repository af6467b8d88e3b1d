#include "platform/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

TEST(IniText, ReadsValuesAsProfileFilesDo) {
    const IniText ini = IniText::parse("\xEF\xBB\xBF; comment\r\n"
                                       "[String]\r\n"
                                       "  KEY_A =  spaced value  \r\n"
                                       "KEY_B=Erreur ; recommencez\r\n"
                                       "KEY_C=\"  kept blanks \"\r\n"
                                       "KEY_A=second value is ignored\r\n"
                                       "no equals sign here\r\n"
                                       ";KEY_D=commented out\r\n"
                                       "KEY_E=a=b\r\n"
                                       "[ Other ]\n"
                                       "KEY_A=other section\n");
    EXPECT_EQ(ini.value("String", "KEY_A"), "spaced value");
    EXPECT_EQ(ini.value("String", "KEY_B"), "Erreur ; recommencez");
    EXPECT_EQ(ini.value("String", "KEY_C"), "  kept blanks ");
    EXPECT_EQ(ini.value("String", "KEY_E"), "a=b");
    EXPECT_FALSE(ini.value("String", "KEY_D"));
    EXPECT_FALSE(ini.value("String", "no equals sign here"));
    EXPECT_EQ(ini.value("Other", "KEY_A"), "other section");
    EXPECT_FALSE(ini.value("Missing", "KEY_A"));
    EXPECT_EQ(ini.keysInOrder("String"),
              (std::vector<std::string>{"KEY_A", "KEY_B", "KEY_C", "KEY_A", "KEY_E"}));
}

TEST(IniText, KeepsVeryLongLinesWhole) {
    const std::string longValue(5000, 'x');
    const IniText ini = IniText::parse("[String]\nLONG=" + longValue + "\nNEXT=1\n");
    EXPECT_EQ(ini.value("String", "LONG"), longValue);
    EXPECT_EQ(ini.value("String", "NEXT"), "1");
}

TEST(IniText, SetReplacesOrAddsAndKeepsTheRest) {
    IniText ini =
        IniText::parse("; my settings\n[Setting]\nLanguage=English\nOther=1\n\n[More]\nX=2\n");
    ini.set("Setting", "Language", "German");
    EXPECT_EQ(ini.text(), "; my settings\n[Setting]\nLanguage=German\nOther=1\n\n[More]\nX=2\n");

    ini.set("More", "Y", "3");
    EXPECT_EQ(ini.value("More", "Y"), "3");
    EXPECT_EQ(ini.text(),
              "; my settings\n[Setting]\nLanguage=German\nOther=1\n\n[More]\nX=2\nY=3\n");

    IniText empty;
    empty.set("Setting", "Language", "Italy");
    EXPECT_EQ(empty.text(), "[Setting]\nLanguage=Italy\n");
    EXPECT_EQ(IniText::parse(empty.text()).value("Setting", "Language"), "Italy");
}

TEST(IniText, SetAddsAKeyInsideItsSectionNotAtTheEnd) {
    IniText ini = IniText::parse("[Setting]\nOther=1\n\n[More]\nX=2\n");
    ini.set("Setting", "Language", "Chinese");
    EXPECT_EQ(ini.text(), "[Setting]\nOther=1\nLanguage=Chinese\n\n[More]\nX=2\n");
}

}  // namespace
}  // namespace vx
