#pragma once
// The lists of mode kinds on the sheet. An entry's text stays the kind's
// identifier ("CM_LEFTTORIGHT_GC"), which is what the program stores and
// what designers know from the firmware; a short readable name from the
// language table is drawn beside it in a column of its own, and is the
// entry's tooltip too.

#include <QListWidget>

#include <span>
#include <string_view>

#include "platform/language/language_table.h"

namespace vx {

// The role under which an entry keeps its readable name.
inline constexpr int kKindNameRole = Qt::UserRole + 1;

// Fills `list` with `kinds`, each named from `table`.
void fillKindList(QListWidget* list, std::span<const std::string_view> kinds,
                  const LanguageTable& table);

}  // namespace vx
