#pragma once
// The demo view's pop-up menu (113) and the program-group commands: texts
// from the language table, each action carrying its command id, the current
// program group and lamp shape checked.

#include <functional>

class QMenu;
class QWidget;

namespace vx {

class LanguageTable;

// Command id of "Program Group k" (k = 0..31): group 0 is 32909, group 1
// 32903, groups 2 to 5 are 32905 to 32908, group 6 and upwards 32910 upwards.
int programGroupCommand(int k);
// The group a command id selects, or -1.
int programGroupOfCommand(int command);

struct DemoMenuState {
    int programGroup = 0;
    bool roundLamps = true;
    // The picture tools are offered from the opening of a picture to the next Start.
    bool pictureOpen = false;
    bool started = false;  // Open BackImage only until the first Start
};

// Builds the pop-up menu; a chosen entry calls `run` with its command id.
QMenu* buildDemoPopupMenu(QWidget* parent, const LanguageTable& table, const DemoMenuState& state,
                          std::function<void(int)> run);

}  // namespace vx
