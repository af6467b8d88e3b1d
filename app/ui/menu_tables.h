#pragma once
// The four menu bars, as data: which entries each holds, in which order, and
// the language key of each. Which bar is shown depends on the active window.

#include <span>
#include <string_view>

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

// Every command id that appears in any menu bar.
std::span<const int> menuCommands();

}  // namespace vx
