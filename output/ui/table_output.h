#pragma once
// Output CSTGRP.h and Output GETPTN.c: compile the layout's effects, build the
// lamp list, group and colour tables (or the accessor functions), ask for a
// file name and write them there. Cancelling the file dialog writes nothing.
// A table over its limit is left out with its message; a file that cannot be
// written is reported with "ERR_FILE_SAVE".

#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/result.h"
#include "layout/lamp_layout.h"
#include "platform/language/language_table.h"

class QWidget;

namespace vx {

// Asks for the file to write: the suggested name and the filter, e.g.
// "Text Files(*.h);;All Files(*.*)". An empty answer cancels.
using SaveFileAsker = std::function<QString(const QString& suggested, const QString& filter)>;
// Shows the messages of one command to the user.
using MessageShower = std::function<void(const std::vector<Error>& messages)>;

struct TableOutputUi {
    SaveFileAsker ask;
    MessageShower show;
};

// The file dialog and message boxes of the desktop, owned by `parent`, texts
// from `table`; the suggested name is placed in `folder`.
TableOutputUi desktopTableOutputUi(QWidget* parent, const LanguageTable& table,
                                   const std::filesystem::path& folder);

// Each returns the file written, or an empty path when nothing was.
std::filesystem::path outputClusterTables(const LampLayout& layout, const TableOutputUi& ui);
std::filesystem::path outputAccessors(const LampLayout& layout, const TableOutputUi& ui);

}  // namespace vx
