// Start-up and the language of the desktop program, driven headless.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"

namespace vx::test {
namespace {

QStringList topLevelTexts(MainWindow& window) {
    QStringList out;
    for (QAction* a : window.menuBar()->actions()) out << a->text();
    return out;
}

QMenu* topMenu(MainWindow& window, int index) {
    return window.menuBar()->actions().at(index)->menu();
}

TEST_F(Desktop, StartsInEnglishWithoutSettingsFileWithANewLayoutMaximised) {
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_TRUE(w->isMaximized());
    EXPECT_TRUE(w->appState().mainWindowShown);
    const auto file = w->appState().language.languageFile();
    EXPECT_EQ(file.filename(), "English.ini");
    EXPECT_EQ(file.parent_path().filename(), "Mullanguage");
    EXPECT_EQ(w->appState().transferredLampCount, 0u);

    // One new, empty layout window with the layout menu in English.
    ASSERT_EQ(w->documentWindows().size(), 1);
    EXPECT_EQ(w->documentWindows().front()->kind(), DocumentKind::Layout);
    EXPECT_EQ(w->menuKind(), MenuKind::Layout);
    EXPECT_EQ(topLevelTexts(*w), (QStringList{"&File", "&Edit", "&View", "&Window", "&Help"}));
    EXPECT_EQ(w->action(cmd::FileOpen)->text(), "&Open...\tCtrl+O");
    EXPECT_EQ(w->action(cmd::FileOpen)->data().toInt(), cmd::FileOpen);

    // Only the tables that exist can be chosen; English is checked.
    EXPECT_TRUE(w->action(32916)->isEnabled());
    EXPECT_TRUE(w->action(32916)->isChecked());
    EXPECT_FALSE(w->action(31761)->isEnabled());

    // The language popup is the fifth entry of View, after a separator.
    const auto viewEntries = topMenu(*w, 2)->actions();
    ASSERT_EQ(viewEntries.size(), 5);
    EXPECT_TRUE(viewEntries.at(3)->isSeparator());
    ASSERT_NE(viewEntries.at(4)->menu(), nullptr);
    EXPECT_EQ(viewEntries.at(4)->menu()->actions().size(), 6);
}

TEST_F(Desktop, AMissingLanguageTableEndsStartUpWithTheFixedMessage) {
    folder_.write("data/Mullanguage/Setting.ini", "[Setting]\nLanguage=German\n");
    EXPECT_EQ(start(), nullptr);
    EXPECT_EQ(messages_, QStringList{"Can not find language file!"});

    messages_.clear();
    std::filesystem::remove_all(dataFolder());
    EXPECT_EQ(start(), nullptr);
    EXPECT_EQ(messages_, QStringList{"Can not find language file!"});
}

TEST_F(Desktop, SwitchingToGermanAppliesItsTextsChecksAndIsRemembered) {
    // A small German table: what it lacks shows empty, as any missing key.
    folder_.write("data/Mullanguage/German.ini",
                  "[String]\nID_FILE=&Datei\nID_EDIT=&Bearbeiten\nID_VIEW=&Ansicht\n"
                  "ID_WINDOW=&Fenster\nID_HELP=&Hilfe\nID_FILE_OPEN=\u00d6&ffnen...\\tStrg+O\n"
                  "ID_EDIT_PLAMP=Daten \u00fcbertragen\n");
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->action(31761)->isEnabled());
    EXPECT_FALSE(w->action(31761)->isChecked());

    ASSERT_TRUE(w->runCommand(31761));
    EXPECT_EQ(topLevelTexts(*w),
              (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Fenster", "&Hilfe"}));
    EXPECT_EQ(w->action(cmd::FileOpen)->text(), QString("\u00d6&ffnen...\tStrg+O"));
    EXPECT_EQ(w->action(cmd::TransferData)->text(), QString("Daten \u00fcbertragen"));
    EXPECT_EQ(w->action(cmd::FileSave)->text(), "");
    EXPECT_TRUE(w->action(31761)->isChecked());
    EXPECT_FALSE(w->action(32916)->isChecked());
    EXPECT_EQ(w->appState().language.languageFile().filename(), "German.ini");
    EXPECT_NE(readText(dataFolder() / "Mullanguage" / "Setting.ini").find("Language=German"),
              std::string::npos);

    // The next start comes up in German.
    window_.reset();
    MainWindow* again = start();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(topLevelTexts(*again).front(), "&Datei");
    EXPECT_TRUE(again->action(31761)->isChecked());
}

TEST_F(Desktop, FileNewAsksForTheTypeAndTheMenuBarFollowsTheActiveWindow) {
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    QStringList offered;
    QString choice = "Text";
    dialogs_->documentType = [&](const QStringList& types) {
        offered = types;
        return choice;
    };
    ASSERT_TRUE(w->runCommand(cmd::FileNew));
    EXPECT_EQ(offered, (QStringList{"Edit", "Text"}));
    EXPECT_EQ(w->activeDocumentWindow()->kind(), DocumentKind::Demo);
    EXPECT_EQ(w->menuKind(), MenuKind::Demo);
    EXPECT_EQ(topLevelTexts(*w), (QStringList{"&File", "&Edit", "&View", "&Window", "&Help"}));
    EXPECT_FALSE(w->action(cmd::FileSave)->isEnabled());

    choice = "Edit";
    ASSERT_TRUE(w->runCommand(cmd::FileNew));
    EXPECT_EQ(w->menuKind(), MenuKind::Layout);
    choice.clear();
    EXPECT_FALSE(w->runCommand(cmd::FileNew));
    EXPECT_EQ(w->documentWindows().size(), 3);

    // With every window closed, the main menu: File, View, Help.
    for (DocumentWindow* d : w->documentWindows()) d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->menuKind(), MenuKind::Main);
    EXPECT_EQ(topLevelTexts(*w), (QStringList{"&File", "&View", "&Help"}));
    EXPECT_EQ(w->action(cmd::NewLayout)->text(),
              QString::fromStdString(w->appState().language.LookUpText("ID_NEW_LED"))
                  .replace("\\t", "\t"));
}

TEST_F(Desktop, HelpCommandsOpenPagesUnderTheDataFolderAndReportFailures) {
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->runCommand(cmd::HelpTopics));
    ASSERT_TRUE(w->runCommand(cmd::HelpWebsite));
    ASSERT_EQ(shellTargets_.size(), 2);
    EXPECT_TRUE(shellTargets_.at(0).startsWith(QString::fromStdString(dataFolder().string())));
    EXPECT_TRUE(shellTargets_.at(0).endsWith(
        QString::fromStdString(w->appState().language.LookUpText("HELP_PATH"))));
    EXPECT_TRUE(shellTargets_.at(1).startsWith("https://"));
    EXPECT_EQ(messages_, (QStringList{w->text("MAINFRM_ONHELPABOUTVC_OHFF"),
                                      w->text("MAINFRM_ONHELPWEBSITE_OWSF")}));
}

}  // namespace
}  // namespace vx::test
