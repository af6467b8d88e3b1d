#include "app/ui/desktop_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

#include "app/ui/zoom_dialog.h"
#include "platform/language/language_state.h"

namespace vx {

void DesktopDialogs::attach(QWidget* parent, const LanguageState& language) {
    parent_ = parent;
    language_ = &language;
}

QString DesktopDialogs::askOpenName(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, {}, {}, filter);
}

QString DesktopDialogs::askSaveName(const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, {}, {}, filter);
}

std::optional<LiveOutputChoice> DesktopDialogs::askLiveOutput(const LiveOutputChoice& current) {
    return vx::askLiveOutput(parent_, current, language_->table());
}

std::optional<int> DesktopDialogs::askCellSize(int current) {
    return vx::askCellSize(parent_, current, language_->table());
}

int DesktopDialogs::askSaveChanges(const QString& question) {
    return QMessageBox::question(parent_, QStringLiteral("Vexolume"), question,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

QString DesktopDialogs::askDocumentType(const QStringList& types) {
    bool ok = false;
    const QString type =
        QInputDialog::getItem(parent_, QStringLiteral("Vexolume"), {}, types, 0, false, &ok);
    return ok ? type : QString();
}

void DesktopDialogs::showMessage(const QString& message) {
    QMessageBox::warning(parent_, QStringLiteral("Vexolume"), message);
}

bool DesktopDialogs::openInShell(const QString& target) {
    const QUrl url =
        target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

}  // namespace vx
