#include "output/ui/table_output.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "engine/compile/compile_effects.h"
#include "output/tables/table_files.h"

namespace vx {
namespace {

std::filesystem::path output(const LampLayout& layout, const TableOutputUi& ui, OutputMode mode,
                             const char* suggested, const char* filter) {
    const TableBuild build = buildTableTexts(compileEffects(layout));
    std::vector<Error> messages;
    // The accessors name every table but hold none, so only CSTGRP.h loses one.
    if (mode == OutputMode::ClusterTables) messages = build.refused;
    const QString chosen = ui.ask(QString::fromUtf8(suggested), QString::fromUtf8(filter));
    std::filesystem::path written;
    if (!chosen.isEmpty()) {
        const std::filesystem::path path = chosen.toStdString();
        const Status status = writeTableFile(build.texts, mode, path);
        if (status) {
            written = path;
        } else {
            messages.push_back(Error{"ERR_FILE_SAVE", status.error().detail});
        }
    }
    if (!messages.empty()) ui.show(messages);
    return written;
}

}  // namespace

TableOutputUi desktopTableOutputUi(QWidget* parent, const LanguageTable& table,
                                   const std::filesystem::path& folder) {
    TableOutputUi ui;
    ui.ask = [parent, folder](const QString& suggested, const QString& filter) {
        const QString start = QString::fromStdString((folder / suggested.toStdString()).string());
        return QFileDialog::getSaveFileName(parent, QString(), start, filter);
    };
    ui.show = [parent, table](const std::vector<Error>& messages) {
        QStringList texts;
        QStringList details;
        for (const Error& m : messages) {
            const std::string found = table.LookUpText(m.key);
            // A key is never shown: without its text the detail says it.
            texts << QString::fromStdString(found.empty() ? m.detail : found);
            details << QString::fromStdString(m.detail);
        }
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vexolume"), texts.join("\n\n"),
                        QMessageBox::Ok, parent);
        box.setDetailedText(details.join("\n"));
        box.exec();
    };
    return ui;
}

std::filesystem::path outputClusterTables(const LampLayout& layout, const TableOutputUi& ui) {
    return output(layout, ui, OutputMode::ClusterTables, kClusterTablesFileName,
                  "Text Files(*.h);;All Files(*.*)");
}

std::filesystem::path outputAccessors(const LampLayout& layout, const TableOutputUi& ui) {
    return output(layout, ui, OutputMode::Accessors, kAccessorFileName,
                  "Text Files(*.c);;All Files(*.*)");
}

}  // namespace vx
