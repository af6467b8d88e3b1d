#pragma once
// A desktop program started headless over a data folder of its own: the
// English table is copied in, messages and questions are caught instead
// of shown, and generated files land in the test's folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QStringList>

#include <filesystem>
#include <memory>

#include "app/language/key_registry.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

namespace vx::test {

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
        options.showMessage = [this](const QString& m) { messages_ << m; };
        window_ = startApplication(options);
        if (window_) {
            window_->askSaveChanges = [this](const QString& q) {
                questions_ << q;
                return answer_;
            };
            window_->openInShell = [this](const QString& target) {
                shellTargets_ << target;
                return false;
            };
        }
        return window_.get();
    }

    TempFolder folder_;
    std::filesystem::path oldCwd_;
    std::unique_ptr<MainWindow> window_;
    QStringList messages_;
    QStringList questions_;
    QStringList shellTargets_;
    int answer_ = 0;
};

}  // namespace vx::test
