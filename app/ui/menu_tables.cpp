#include "app/ui/menu_tables.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/ui/command_ids.h"

namespace vx {
namespace {

using T = MenuEntry::Type;

constexpr MenuEntry item(int command, std::string_view key) {
    return {T::Command, command, key, {}, {}};
}
constexpr MenuEntry separator() { return {T::Separator, 0, {}, {}, {}}; }
constexpr MenuEntry popup(std::string_view key, std::span<const MenuEntry> children) {
    return {T::Popup, 0, key, {}, children};
}
constexpr MenuEntry recentFiles() {
    return {T::RecentFiles, cmd::RecentFile1, "ID_FILE_MRU_FILE1", {}, {}};
}

// One array of the entries of `parts`, in order.
template <std::size_t... N>
constexpr auto join(const std::array<MenuEntry, N>&... parts) {
    std::array<MenuEntry, (N + ...)> out{};
    auto at = out.begin();
    ((at = std::copy(parts.begin(), parts.end(), at)), ...);
    return out;
}

constexpr MenuEntry kUndo = item(cmd::EditUndo, "ID_EDIT_UNDO");
constexpr MenuEntry kRedo = item(cmd::EditRedo, "ID_EDIT_REDO");

// Layout menu.
constexpr std::array kLayoutFile{item(cmd::OpenEdit, "ID_OPENEDIT"),
                                 item(cmd::FileWizard, "ID_FILE_WIZARD"),
                                 item(cmd::FileOpen, "ID_FILE_OPEN"),
                                 item(cmd::OpenImage, "ID_OPEN_IMAGE"),
                                 item(cmd::OpenEmptyLattice, "ID_OPENEDITL"),
                                 separator(),
                                 item(cmd::FileSave, "ID_FILE_SAVE"),
                                 item(cmd::FileSaveAs, "ID_FILE_SAVE_AS"),
                                 item(cmd::FileClose, "ID_FILE_CLOSE"),
                                 separator(),
                                 item(cmd::FilePrint, "ID_FILE_PRINT"),
                                 item(cmd::FilePrintPreview, "ID_FILE_PRINT_PREVIEW"),
                                 item(cmd::FilePrintSetup, "ID_FILE_PRINT_SETUP"),
                                 separator(),
                                 recentFiles(),
                                 separator(),
                                 item(cmd::AppExit, "ID_APP_EXIT")};
constexpr std::array kLayoutSetv{item(cmd::ScanBack, "ID_SCAN_BACK"),
                                 item(cmd::ScanScope, "ID_SCAN_SCOPE"),
                                 item(cmd::ScanOtherValues, "ID_SCAN_SETOTHER")};
constexpr std::array kLayoutZoom{item(cmd::Zoom4, "ID_EFFECT1"),  item(cmd::Zoom8, "ID_EFFECT2"),
                                 item(cmd::Zoom12, "ID_EFFECT3"), item(cmd::Zoom16, "ID_EFFECT4"),
                                 item(cmd::Zoom20, "ID_EFFECT5"), item(cmd::Zoom24, "ID_EFFECT6"),
                                 item(cmd::Zoom28, "ID_EFFECT7")};
constexpr std::array kLayoutEdit{popup("ID_EDIT_SETV", kLayoutSetv),
                                 item(cmd::EditScan, "ID_EDIT_SCAN"),
                                 popup("ID_EDIT_ZOOMIO", kLayoutZoom),
                                 separator(),
                                 item(cmd::EditInsert, "ID_EDIT_INSERT"),
                                 item(cmd::EditDelete, "ID_EDIT_DELETE"),
                                 separator(),
                                 item(cmd::PortEdit, "ID_CPORT_EDIT"),
                                 item(cmd::PortTableOut, "ID_CPORT_OUT"),
                                 separator(),
                                 item(cmd::TransferData, "ID_EDIT_PLAMP"),
                                 separator(),
                                 kUndo,
                                 kRedo};
constexpr std::array kLanguageEntries{MenuEntry{T::Languages, 0, {}, {}, {}}};
constexpr std::array kLayoutView{item(cmd::ViewToolbar, "ID_VIEW_TOOLBAR"),
                                 item(cmd::ViewStatusBar, "ID_VIEW_STATUS_BAR"),
                                 item(cmd::ToggleGrid, "ID_EDIT_GRIDDING"), separator(),
                                 popup("ID_VIEW_LANGUAGE", kLanguageEntries)};
constexpr MenuEntry kOpenWindows{T::OpenWindows, 0, {}, {}, {}};
constexpr std::array kLayoutWindow{item(cmd::SwitchWindow, "ID_CHANGEWIN"),
                                   separator(),
                                   item(cmd::WindowNew, "ID_WINDOW_NEW"),
                                   item(cmd::WindowCascade, "ID_WINDOW_CASCADE"),
                                   item(cmd::WindowTileHorizontal, "ID_WINDOW_TILE_HORZ"),
                                   kOpenWindows};
constexpr std::array kFullHelp{
    item(cmd::HelpTopics, "ID_HELP_ABOUT_VC"), item(cmd::HelpWebsite, "ID_HELP_WEBSITE"),
    item(cmd::AppAbout, "ID_APP_ABOUT"), item(cmd::HelpWhatsNew, "ID_HELP_WHATSNEW")};
constexpr std::array kLayoutBar{popup("ID_FILE", kLayoutFile), popup("ID_EDIT", kLayoutEdit),
                                popup("ID_VIEW", kLayoutView), popup("ID_WINDOW", kLayoutWindow),
                                popup("ID_HELP", kFullHelp)};

// Shared by the demo and effect menus.
constexpr std::array kViewBars{item(cmd::ViewToolbar, "ID_VIEW_TOOLBAR"),
                               item(cmd::ViewStatusBar, "ID_VIEW_STATUS_BAR")};
constexpr std::array kWindows{item(cmd::WindowNew, "ID_WINDOW_NEW"),
                              item(cmd::WindowCascade, "ID_WINDOW_CASCADE"),
                              item(cmd::WindowTileHorizontal, "ID_WINDOW_TILE_HORZ"),
                              item(cmd::WindowArrange, "ID_WINDOW_ARRANGE"), kOpenWindows};

// Demo menu.
constexpr std::array kDemoFile{item(cmd::FileNew, "ID_FILE_NEW"),
                               item(cmd::FileOpen, "ID_FILE_OPEN"),
                               item(cmd::FileClose, "ID_FILE_CLOSE"),
                               item(cmd::FileSave, "ID_FILE_SAVE"),
                               item(cmd::FileSaveAs, "ID_FILE_SAVE_AS"),
                               separator(),
                               item(cmd::FilePrint, "ID_FILE_PRINT"),
                               item(cmd::FilePrintPreview, "ID_FILE_PRINT_PREVIEW"),
                               item(cmd::FilePrintSetup, "ID_FILE_PRINT_SETUP"),
                               separator(),
                               recentFiles(),
                               separator(),
                               item(cmd::AppExit, "ID_APP_EXIT")};
constexpr std::array kDemoShape{item(cmd::DemoRect, "ID_DEMO_RECT"),
                                item(cmd::DemoCircle, "ID_DEMO_Circle")};
// Program Group 0 .. 31, by the ids of the menu resource.
constexpr std::array kDemoProgramGroups{
    item(32909, "ID_PRG_0"),  item(32903, "ID_PRG_1"),  item(32905, "ID_PRG_2"),
    item(32906, "ID_PRG_3"),  item(32907, "ID_PRG_4"),  item(32908, "ID_PRG_5"),
    item(32910, "ID_PRG_6"),  item(32911, "ID_PRG_7"),  item(32912, "ID_PRG_8"),
    item(32913, "ID_PRG_9"),  item(32914, "ID_PRG_10"), item(32915, "ID_PRG_11"),
    item(32916, "ID_PRG_12"), item(32917, "ID_PRG_13"), item(32918, "ID_PRG_14"),
    item(32919, "ID_PRG_15"), item(32920, "ID_PRG_16"), item(32921, "ID_PRG_17"),
    item(32922, "ID_PRG_18"), item(32923, "ID_PRG_19"), item(32924, "ID_PRG_20"),
    item(32925, "ID_PRG_21"), item(32926, "ID_PRG_22"), item(32927, "ID_PRG_23"),
    item(32928, "ID_PRG_24"), item(32929, "ID_PRG_25"), item(32930, "ID_PRG_26"),
    item(32931, "ID_PRG_27"), item(32932, "ID_PRG_28"), item(32933, "ID_PRG_29"),
    item(32934, "ID_PRG_30"), item(32935, "ID_PRG_31")};
// The picture's entries, in the Edit menu and the pop-up menu alike.
constexpr std::array kDemoPictureEntries{item(cmd::DemoOpenBackImage, "ID_EDITBACKIMAGE"),
                                         item(cmd::DemoEnlargeImage, "ID_EDIT_WIDE"),
                                         item(cmd::DemoShrinkImage, "ID_EDIT_THIN"),
                                         item(cmd::DemoWidenImage, "ID_ADDBMP"),
                                         item(cmd::DemoNarrowImage, "ID_REDUCEBMP"),
                                         item(cmd::DemoMoveImage, "ID_MOVEBMP"),
                                         item(cmd::DemoSaveImageParameters, "ID_SAVE_CODE"),
                                         item(cmd::DemoLoadImageParameters, "ID_OPEN_CODE")};
constexpr auto kDemoEdit =
    join(std::array{item(cmd::DemoScale, "ID_EDIT_SIZE"), popup("ID_EDIT_DEMOSHAPE", kDemoShape)},
         kDemoPictureEntries,
         std::array{item(cmd::DemoStart, "ID_EDITDO"), item(cmd::DemoStop, "ID_DEMO_STOP"),
                    item(cmd::DemoLiveOutput, "ID_DEMO_LIVE"),
                    item(cmd::ControllerPreview, "ID_TWIN_PREVIEW"),
                    popup("ID_EDIT_PGROUP", kDemoProgramGroups)});
constexpr std::array kShortHelp{item(cmd::HelpWebsite, "ID_HELP_WEBSITE"),
                                item(cmd::AppAbout, "ID_APP_ABOUT"),
                                item(cmd::HelpWhatsNew, "ID_HELP_WHATSNEW")};
constexpr std::array kDemoBar{popup("ID_FILE", kDemoFile), popup("ID_EDIT", kDemoEdit),
                              popup("ID_VIEW", kViewBars), popup("ID_WINDOW", kWindows),
                              popup("ID_HELP", kShortHelp)};

// The demo view's pop-up menu.
constexpr auto kDemoPopup =
    join(std::array{item(cmd::DemoScale, "ID_EDIT_SIZE"),
                    popup("ID_EDIT_PGROUP", kDemoProgramGroups), separator()},
         kDemoPictureEntries,
         std::array{separator(), item(cmd::DemoRect, "ID_DEMO_RECT"),
                    item(cmd::DemoCircle, "ID_DEMO_Circle"), separator(),
                    item(cmd::DemoStart, "ID_EDITDO"), item(cmd::DemoStop, "ID_DEMO_STOP"),
                    separator(), item(cmd::ControllerPreview, "ID_TWIN_PREVIEW")});

// Effect menu.
constexpr std::array kExport{item(cmd::OutputClusterTables, "ID_OUT_TEXT2"),
                             item(cmd::OutputAccessors, "ID_OUT_TEXT3"),
                             item(cmd::CreateBinFile, "ID_OUT_TEXT4")};
constexpr std::array kEffectFile{item(cmd::FileNew, "ID_FILE_NEW"),
                                 item(cmd::FileOpen, "ID_FILE_OPEN"),
                                 item(cmd::OpenImage, "ID_OPEN_IMAGE"),
                                 item(cmd::FileSave, "ID_FILE_SAVE"),
                                 item(cmd::FileSaveAs, "ID_FILE_SAVE_AS"),
                                 item(cmd::FileClose, "ID_FILE_CLOSE"),
                                 separator(),
                                 popup("ID_FILE_EXPORT", kExport),
                                 item(cmd::WriteToController, "ID_OUT_TEXT5"),
                                 separator(),
                                 item(cmd::FilePrint, "ID_FILE_PRINT"),
                                 item(cmd::FilePrintPreview, "ID_FILE_PRINT_PREVIEW"),
                                 item(cmd::FilePrintSetup, "ID_FILE_PRINT_SETUP"),
                                 separator(),
                                 recentFiles(),
                                 separator(),
                                 item(cmd::AppExit, "ID_APP_EXIT")};
constexpr std::array kEffectEdit{item(cmd::EffectCellSize, "ID_LARGEN3"),
                                 item(cmd::LayerEdit, "ID_ADDLAMPIMG"),
                                 item(cmd::ModeEdit, "ID_PAGESHOW"),
                                 item(cmd::CreateEffectData, "ID_EDIT_CHANGE"),
                                 separator(),
                                 kUndo,
                                 kRedo};
constexpr std::array kEffectPlay{
    item(cmd::PartialPlay, "ID_OUT_LIST3"), item(cmd::ParallelPlay, "ID_OUT_LIST"),
    item(cmd::SequentialPlay, "ID_OUT_LIST2"), item(cmd::ControllerPreview, "ID_TWIN_PREVIEW")};
constexpr std::array kEffectBar{popup("ID_FILE", kEffectFile), popup("ID_EDIT", kEffectEdit),
                                popup("ID_PLAY", kEffectPlay), popup("ID_VIEW", kViewBars),
                                popup("ID_WINDOW", kWindows),  popup("ID_HELP", kFullHelp)};

// Main menu, shown while no document window is open.
constexpr std::array kMainFile{item(cmd::NewLayout, "ID_NEW_LED"),
                               item(cmd::FileOpen, "ID_FILE_OPEN"),
                               item(cmd::FilePrintSetup, "ID_FILE_PRINT_SETUP"),
                               separator(),
                               recentFiles(),
                               separator(),
                               item(cmd::AppExit, "ID_APP_EXIT")};
constexpr std::array kMainBar{popup("ID_FILE", kMainFile), popup("ID_VIEW", kViewBars),
                              popup("ID_HELP", kFullHelp)};

void collectIds(std::span<const MenuEntry> entries, std::vector<int>& ids) {
    for (const auto& e : entries) {
        if (e.type == T::Popup) collectIds(e.children, ids);
        if ((e.type == T::Command || e.type == T::RecentFiles) &&
            std::find(ids.begin(), ids.end(), e.command) == ids.end()) {
            ids.push_back(e.command);
        }
    }
}

void collect(std::span<const MenuEntry> entries, std::span<const MenuEntry>& found, int command) {
    for (const auto& e : entries) {
        if (e.type == T::Popup) collect(e.children, found, command);
        if ((e.type == T::Command || e.type == T::RecentFiles) && e.command == command) {
            found = std::span<const MenuEntry>(&e, 1);
        }
    }
}

}  // namespace

std::span<const MenuEntry> menuBar(MenuKind kind) {
    switch (kind) {
        case MenuKind::Layout: return kLayoutBar;
        case MenuKind::Effect: return kEffectBar;
        case MenuKind::Demo: return kDemoBar;
        case MenuKind::Main: break;
    }
    return kMainBar;
}

std::string_view commandKey(int command, MenuKind kind) {
    std::span<const MenuEntry> found;
    collect(menuBar(kind), found, command);
    return found.empty() ? std::string_view() : found.front().key;
}

std::string_view commandKey(int command) {
    for (auto kind : {MenuKind::Layout, MenuKind::Effect, MenuKind::Demo, MenuKind::Main}) {
        if (const auto key = commandKey(command, kind); !key.empty()) return key;
    }
    return {};
}

std::span<const MenuEntry> demoPopupMenu() { return kDemoPopup; }

std::vector<int> menuCommands() {
    std::vector<int> ids;
    for (auto kind : {MenuKind::Main, MenuKind::Layout, MenuKind::Effect, MenuKind::Demo}) {
        collectIds(menuBar(kind), ids);
    }
    collectIds(kDemoPopup, ids);
    return ids;
}

int programGroupCommand(int k) {
    return k >= 0 && k < static_cast<int>(kDemoProgramGroups.size())
               ? kDemoProgramGroups[static_cast<std::size_t>(k)].command
               : 0;
}

int programGroupOfCommand(int command) {
    for (std::size_t k = 0; k < kDemoProgramGroups.size(); ++k) {
        if (kDemoProgramGroups[k].command == command) return static_cast<int>(k);
    }
    return -1;
}

}  // namespace vx
