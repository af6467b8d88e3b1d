#pragma once
// The questions and notes of the desktop program, as standard dialogs over
// the main window. The commands and the main window ask through one object
// of this class; tests and the picture programs give the main window one
// whose questions answer themselves.

#include <QString>
#include <QStringList>

#include <optional>

#include "app/ui/live_output_dialog.h"

class QWidget;

namespace vx {

class LanguageState;

class DesktopDialogs {
public:
    virtual ~DesktopDialogs() = default;

    // The window the dialogs open over and the language of their texts.
    void attach(QWidget* parent, const LanguageState& language);

    virtual QString askOpenName(const QString& filter);
    virtual QString askSaveName(const QString& filter);
    // The Live Output dialog; nothing on Cancel.
    virtual std::optional<LiveOutputChoice> askLiveOutput(const LiveOutputChoice& current);
    // The cell-size dialog; nothing on Cancel.
    virtual std::optional<int> askCellSize(int current);
    // Yes = save, No = discard, Cancel = keep the window open
    // (QMessageBox's buttons).
    virtual int askSaveChanges(const QString& question);
    // File > New: the type to make, "Edit" or "Text"; empty on Cancel.
    virtual QString askDocumentType(const QStringList& types);
    virtual void showMessage(const QString& message);
    // Opens a file or web address with the desktop's program for it.
    virtual bool openInShell(const QString& target);

private:
    QWidget* parent_ = nullptr;
    const LanguageState* language_ = nullptr;
};

}  // namespace vx
