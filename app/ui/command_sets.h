#pragma once
// Command sets that the main window's menu building and routing share.

#include <array>

#include "app/ui/command_ids.h"

namespace vx::cmdset {

struct ZoomCommand {
    int command;
    int zoom;
};
inline constexpr std::array<ZoomCommand, 7> kZoomCommands{{{cmd::Zoom4, 4},
                                                    {cmd::Zoom8, 8},
                                                    {cmd::Zoom12, 12},
                                                    {cmd::Zoom16, 16},
                                                    {cmd::Zoom20, 20},
                                                    {cmd::Zoom24, 24},
                                                    {cmd::Zoom28, 28}}};

// Commands that this program carries out so far; the others stay disabled.

// Commands that this program carries out so far; the others stay disabled.
inline constexpr std::array kWorkingCommands{
    cmd::FileNew,     cmd::NewLed,       cmd::NewDemo,       cmd::FileOpen,       cmd::FileClose,      cmd::FileSave,
    cmd::FileSaveAs,  cmd::AppExit,      cmd::AppAbout,       cmd::EditUndo,       cmd::EditRedo,
    cmd::Zoom4,       cmd::Zoom8,        cmd::Zoom12,         cmd::Zoom16,         cmd::Zoom20,
    cmd::Zoom24,      cmd::Zoom28,       cmd::EditInsert,     cmd::EditDelete,     cmd::CportOut,
    cmd::EditGridding, cmd::TransferData, cmd::Largen3,       cmd::HelpAboutVc,    cmd::HelpWhatsNew,
    cmd::HelpWebsite, cmd::ViewToolbar,  cmd::ViewStatusBar,  cmd::WindowNew,      cmd::WindowArrange,
    cmd::WindowCascade, cmd::WindowTileHorz};


}  // namespace vx::cmdset
