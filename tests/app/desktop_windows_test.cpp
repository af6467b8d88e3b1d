// Documents and windows as in any desktop program: New opens a document and
// leaves the others open, every Window menu lists the windows and arranges
// them, the tools panel and Open Image follow the active document, the
// recent-file list names each file once, and the JSON form opens as a layout.

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "layout/layout_json.h"
#include "layout/ui/layout_tools_panel.h"

namespace vx::test {
namespace {

class Windows : public Desktop {
protected:
    // The entries of the active menu bar's Window menu, as shown when opened.
    static QList<QAction*> windowMenu(MainWindow& w) {
        for (QAction* top : w.menuBar()->actions()) {
            if (top->text() != QStringLiteral("&Window")) continue;
            Q_EMIT top->menu()->aboutToShow();
            return top->menu()->actions();
        }
        return {};
    }
    // The entry "&N title" of the Nth window.
    static QAction* entryNaming(const QList<QAction*>& entries, const QString& title) {
        for (QAction* a : entries) {
            if (a->text() == title) return a;
        }
        return nullptr;
    }
};

TEST_F(Windows, NewInALayoutWindowOpensANewDocumentEachTimeAndKeepsTheOthers) {
    MainWindow* w = start(kSample.string());
    ASSERT_NE(w, nullptr);
    const auto sample = w->activeDocumentWindow()->document();
    ASSERT_EQ(w->menuKind(), MenuKind::Layout);
    for (int n = 1; n <= 2; ++n) {
        ASSERT_TRUE(w->runCommand(cmd::OpenEdit));  // the layout window's File > New
        DocumentWindow* made = w->activeDocumentWindow();
        EXPECT_EQ(made->kind(), DocumentKind::Layout);
        EXPECT_NE(made->document(), sample);
        EXPECT_TRUE(made->document()->layout().lamps.empty());
        EXPECT_EQ(w->documentWindows().size(), n + 1);
    }

    // New from an effect window: the effect window and its document stay.
    w->mdiArea()->setActiveSubWindow(w->documentWindows().front());
    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    DocumentWindow* effect = w->activeDocumentWindow();
    ASSERT_EQ(effect->kind(), DocumentKind::Effect);
    dialogs_->documentType = [](const QStringList&) { return QStringLiteral("Edit"); };
    ASSERT_TRUE(w->runCommand(cmd::FileNew));
    EXPECT_EQ(w->documentWindows().size(), 5);
    EXPECT_TRUE(w->documentWindows().contains(effect));
    EXPECT_TRUE(questions_.isEmpty());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(Windows, EveryWindowMenuListsTheWindowsAndTilesAndCascadesThem) {
    MainWindow* w = start(kSample.string());
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    ASSERT_TRUE(w->runCommand(cmd::ParallelPlay));
    ASSERT_EQ(w->documentWindows().size(), 3);
    for (DocumentWindow* active : w->documentWindows()) {
        w->mdiArea()->setActiveSubWindow(active);
        SCOPED_TRACE(active->windowTitle().toStdString());
        const QList<QAction*> entries = windowMenu(*w);
        EXPECT_TRUE(entries.contains(w->action(cmd::WindowCascade)));
        EXPECT_TRUE(entries.contains(w->action(cmd::WindowTileHorizontal)));
        EXPECT_TRUE(w->action(cmd::WindowCascade)->isEnabled());
        EXPECT_TRUE(w->action(cmd::WindowTileHorizontal)->isEnabled());
        int n = 0;
        for (DocumentWindow* listed : w->documentWindows()) {
            QString title = QStringLiteral("&%1 ").arg(++n) + listed->windowTitle();
            title.replace(QStringLiteral("[*]"),
                          listed->isWindowModified() ? QStringLiteral("*") : QString());
            QAction* entry = entryNaming(entries, title);
            ASSERT_NE(entry, nullptr) << title.toStdString();
            EXPECT_EQ(entry->isChecked(), listed == active);
        }
    }
    // Choosing an entry brings its window to the front.
    DocumentWindow* first = w->documentWindows().front();
    QString title = QStringLiteral("&1 ") + first->windowTitle();
    title.replace(QStringLiteral("[*]"),
                  first->isWindowModified() ? QStringLiteral("*") : QString());
    QAction* entry = entryNaming(windowMenu(*w), title);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    EXPECT_EQ(w->activeDocumentWindow(), first);

    ASSERT_TRUE(w->runCommand(cmd::WindowTileHorizontal));
    for (DocumentWindow* d : w->documentWindows()) EXPECT_FALSE(d->isMaximized());
    ASSERT_TRUE(w->runCommand(cmd::WindowCascade));
    EXPECT_NE(w->documentWindows()[0]->pos(), w->documentWindows()[1]->pos());
}

TEST_F(Windows, OpenImageAndTheToolsPanelFollowTheActiveDocument) {
    MainWindow* w = start(kSample.string());
    ASSERT_NE(w, nullptr);
    auto* panel = w->findChild<LayoutToolsPanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->field("total")->text(), "160");

    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    bool asked = false;
    dialogs_->openName = [&asked](const QString&) {
        asked = true;
        return QString();
    };
    EXPECT_FALSE(w->runCommand(cmd::OpenImage));  // an effect window: said so, nothing asked
    EXPECT_FALSE(asked);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.front().toStdString(),
              w->appState().language.LookUpText("OPEN_IMAGE_NEEDS_LAYOUT"));
    EXPECT_FALSE(panel->isEnabled());

    dialogs_->documentType = [](const QStringList&) { return QStringLiteral("Edit"); };
    ASSERT_TRUE(w->runCommand(cmd::FileNew));
    EXPECT_EQ(panel->field("total")->text(), "0");  // the new document's, not the sample's
    EXPECT_TRUE(panel->field("id")->text().isEmpty());
    EXPECT_FALSE(w->runCommand(cmd::OpenImage));  // a layout window: asks for the picture
    EXPECT_TRUE(asked);
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(Windows, TheRecentListNamesEachFileOnceAndTheJsonFormOpens) {
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    const auto json = kSourceDir / "tests/data/layout/sample.json";
    const auto relative = std::filesystem::relative(kSample);
    ASSERT_NE(w->openFile(relative), nullptr);
    w->activeDocumentWindow()->close();
    ASSERT_NE(w->openFile(kSourceDir / "examples" / "." / "sample.led"), nullptr);
    ASSERT_NE(w->openFile(json), nullptr);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    ASSERT_EQ(w->recentFiles().files().size(), 2u);
    EXPECT_EQ(w->recentFiles().files()[1], kSample);

    // The JSON form is the same layout as the binary file.
    const auto document = w->activeDocumentWindow()->document();
    auto binary = readLayoutFile(kSample);
    ASSERT_TRUE(binary.ok());
    EXPECT_EQ(document->layout(), *binary);
    EXPECT_TRUE(document->isJsonForm());
}

}  // namespace
}  // namespace vx::test
