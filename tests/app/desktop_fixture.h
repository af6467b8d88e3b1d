#pragma once
// A desktop program started headless over a data folder of its own: the
// English table is copied in, messages and questions are caught instead
// of shown (ScriptedDialogs), and generated files land in the test's folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/language/key_registry.h"
#include "app/ui/desktop_dialogs.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

namespace vx::test {

// The dialogs of a headless program: messages and questions are caught, and
// a name, live output or document type comes from the answer the test has
// set (the standard dialog without one).
class ScriptedDialogs : public DesktopDialogs {
public:
    std::function<QString(const QString& filter)> openName;
    std::function<QString(const QString& filter)> saveName;
    std::function<std::optional<LiveOutputChoice>(const LiveOutputChoice&)> liveOutput;
    std::function<QString(const QStringList& types)> documentType;
    QStringList messages;
    QStringList questions;
    QStringList shellTargets;
    int answer = 0;  // to every question about unsaved changes

    QString askOpenName(const QString& filter) override {
        return openName ? openName(filter) : DesktopDialogs::askOpenName(filter);
    }
    QString askSaveName(const QString& filter) override {
        return saveName ? saveName(filter) : DesktopDialogs::askSaveName(filter);
    }
    std::optional<LiveOutputChoice> askLiveOutput(const LiveOutputChoice& current) override {
        return liveOutput ? liveOutput(current) : DesktopDialogs::askLiveOutput(current);
    }
    QString askDocumentType(const QStringList& types) override {
        return documentType ? documentType(types) : DesktopDialogs::askDocumentType(types);
    }
    int askSaveChanges(const QString& question) override {
        questions << question;
        return answer;
    }
    void showMessage(const QString& message) override { messages << message; }
    bool openInShell(const QString& target) override {
        shellTargets << target;
        return false;
    }
};

inline QApplication& application() { return qtApplication(); }

inline const std::filesystem::path kSourceDir = VEXOLUME_SOURCE_DIR;
inline const std::filesystem::path kSample = kSourceDir / "examples" / "sample.led";

class Desktop : public ::testing::Test {
protected:
    Desktop() {
        qtApplication();
        copyTable("English.ini");  // tests add others
        oldCwd_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
    }
    ~Desktop() override {
        window_.reset();
        // Whatever a test did, every message it caught said something, in
        // words: never empty, never a language key in place of its text.
        for (const QString& message : messages_) {
            EXPECT_FALSE(message.trimmed().isEmpty());
            for (const QString& word :
                 message.split(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]+")))) {
                EXPECT_FALSE(isLanguageKey(word.toStdString())) << message.toStdString();
            }
        }
        std::filesystem::current_path(oldCwd_);
    }

    std::filesystem::path dataFolder() const { return folder_.path() / "data"; }

    // Copies a table of the bundled data folder into the test's data folder.
    void copyTable(const char* fileName) const {
        const auto to = dataFolder() / "Mullanguage" / fileName;
        std::filesystem::create_directories(to.parent_path());
        std::filesystem::copy_file(kSourceDir / "share" / "vexolume" / "Mullanguage" / fileName, to,
                                   std::filesystem::copy_options::overwrite_existing);
    }

    MainWindow* start(std::optional<std::string> file = std::nullopt) {
        StartupOptions options;
        options.environment.vexolumeHome = dataFolder().string();
        options.environment.xdgConfigHome = (folder_.path() / "config").string();
        options.file = std::move(file);
        options.dialogs = dialogs_;
        window_ = startApplication(options);
        return window_.get();
    }

    TempFolder folder_;
    std::filesystem::path oldCwd_;
    std::shared_ptr<ScriptedDialogs> dialogs_ = std::make_shared<ScriptedDialogs>();
    std::unique_ptr<MainWindow> window_;
    QStringList& messages_ = dialogs_->messages;
    QStringList& questions_ = dialogs_->questions;
    QStringList& shellTargets_ = dialogs_->shellTargets;
    int& answer_ = dialogs_->answer;
};

}  // namespace vx::test
