#pragma once
// The About box (dialog 100).

class QWidget;

namespace vx {

class LanguageTable;

void showAboutBox(QWidget* parent, const LanguageTable& table);

}  // namespace vx
