#pragma once
// The four menu bars and the demo view's pop-up menu, as data: which entries
// each holds, in which order, and the language key of each. Which bar is
// shown depends on the active window. The command ids of the program are the
// ones found here.

#include <span>
#include <string_view>
#include <vector>

namespace vx {

enum class MenuKind { Main, Layout, Effect, Demo };

struct MenuEntry {
    // OpenWindows: one entry per open document window, the active one checked.
    enum class Type { Command, Separator, Popup, RecentFiles, Languages, OpenWindows };
    Type type = Type::Command;
    int command = 0;                        // for Command
    std::string_view key;                   // language key; empty: keeps `caption`
    std::string_view caption;               // text of entries that have no key
    std::span<const MenuEntry> children{};  // for Popup
};

// The top-level popups of a menu bar, File first.
std::span<const MenuEntry> menuBar(MenuKind kind);

// The language key of a command's menu text, or empty.
std::string_view commandKey(int command);
// The key of `command` in the menu bar of one kind of window (an id may
// stand for different commands in different windows).
std::string_view commandKey(int command, MenuKind kind);

// The demo view's pop-up menu.
std::span<const MenuEntry> demoPopupMenu();

// Every command id that appears in a menu bar or the pop-up menu, once.
std::vector<int> menuCommands();

// Command id of "Program Group k" (k = 0..31) in the demo menu, or 0.
int programGroupCommand(int k);
// The group a command id selects, or -1.
int programGroupOfCommand(int command);

}  // namespace vx
