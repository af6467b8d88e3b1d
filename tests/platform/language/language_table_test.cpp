#include "platform/language/language_table.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(LanguageTable, MissingKeysAndOtherSectionsGiveEmptyText) {
    const LanguageTable table = LanguageTable::fromText(
        "[String]\nID_FILE_OPEN=&Open...\\tCtrl+O\nEMPTY=\n[Other]\nONLY_HERE=x\n");
    EXPECT_EQ(table.LookUpText("ID_FILE_OPEN"), "&Open...\\tCtrl+O");
    EXPECT_EQ(table.LookUpText("EMPTY"), "");
    EXPECT_EQ(table.LookUpText("ONLY_HERE"), "");
    EXPECT_EQ(table.LookUpText("NOT_THERE"), "");
    EXPECT_EQ(LanguageTable().LookUpText("ID_FILE_OPEN"), "");
}

TEST(LanguageTable, BackslashNBreaksLinesInMessagesOnly) {
    const LanguageTable table =
        LanguageTable::fromText("[String]\nMSG=first\\nsecond\\\\n end\nIDD176_1100=a\\nb\n");
    EXPECT_EQ(table.LookUpText("MSG"), "first\nsecond\\\n end");
    EXPECT_EQ(table.DialogText("MSG"), "first\\nsecond\\\\n end");
    EXPECT_EQ(table.DialogControlText(176, 1100), "a\\nb");
    EXPECT_EQ(table.LookUpText("IDD176_1100"), "a\nb");
}

TEST(LanguageTable, LongValuesAreCutTo999Characters) {
    const std::string value(1200, 'v');
    const LanguageTable table =
        LanguageTable::fromText("[String]\nIDD176_Title=" + value + "\nMSG=" + value + "\n");
    EXPECT_EQ(table.LookUpText("MSG"), value.substr(0, 999));
    EXPECT_EQ(table.DialogTitle(176), value.substr(0, 999));
}

TEST(LanguageTable, CutComesBeforeLineBreaksAndKeepsCharactersWhole) {
    // The cut falls between the backslash and the n: no line break is made.
    const std::string head(998, 'a');
    const LanguageTable table = LanguageTable::fromText(
        "[String]\nMSG=" + head + "\\n tail\nWIDE=" + std::string(998, 'b') + "\xE4\xB8\xAD\n");
    EXPECT_EQ(table.LookUpText("MSG"), head + "\\");
    // A three-byte character that would straddle the limit is dropped whole.
    EXPECT_EQ(table.LookUpText("WIDE"), std::string(998, 'b'));
}

TEST(LanguageTable, DialogKeysNameDialogAndControl) {
    const LanguageTable table = LanguageTable::fromText(
        "[String]\nIDD176_Title=Port Edit\nIDD176_1145=Cport\nIDD1010_1003=&Create\n");
    EXPECT_EQ(table.DialogTitle(176), "Port Edit");
    EXPECT_EQ(table.DialogControlText(176, 1145), "Cport");
    EXPECT_EQ(table.DialogControlText(1010, 1003), "&Create");
    EXPECT_EQ(table.DialogControlText(1010, 1), "");
}

TEST(LanguageTable, LoadReportsAMissingFileWithTheFixedMessage) {
    test::TempFolder folder;
    const auto missing = LanguageTable::load(folder.path() / "Mullanguage" / "Klingon.ini");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().key, "ERR_LANGUAGE_FILE_MISSING");
    EXPECT_EQ(missing.error().detail, "Can not find language file!");

    const auto file = folder.write("Mullanguage/Test.ini", "[String]\r\nA=1\r\n");
    const auto loaded = LanguageTable::load(file);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->LookUpText("A"), "1");
    EXPECT_EQ(loaded->file(), file);
}

}  // namespace
}  // namespace vx
