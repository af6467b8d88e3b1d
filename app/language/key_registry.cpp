#include "app/language/key_registry.h"

#include <algorithm>

#include "platform/language/dialog_keys.h"

namespace vx {
namespace {

// Keys used one by one. Grouped by where the text is shown.
constexpr std::string_view kSingleKeys[] = {
    // Menu popups.
    "ID_FILE",
    "ID_EDIT",
    "ID_VIEW",
    "ID_WINDOW",
    "ID_HELP",
    "ID_PLAY",
    "ID_EDIT_SETV",
    "ID_EDIT_ZOOMIO",
    "ID_VIEW_LANGUAGE",
    "ID_EDIT_DEMOSHAPE",
    "ID_FILE_EXPORT",
    "ID_EDIT_PGROUP",
    // File menu.
    "ID_FILE_NEW",
    "ID_NEW_LED",
    "ID_OPENEDIT",
    "ID_OPENEDITL",
    "ID_FILE_WIZARD",
    "ID_FILE_OPEN",
    "ID_OPEN_IMAGE",
    "ID_FILE_SAVE",
    "ID_FILE_SAVE_AS",
    "ID_FILE_CLOSE",
    "ID_FILE_PRINT",
    "ID_FILE_PRINT_PREVIEW",
    "ID_FILE_PRINT_SETUP",
    "ID_FILE_MRU_FILE1",
    "ID_APP_EXIT",
    "ID_OUT_TEXT2",
    "ID_OUT_TEXT3",
    "ID_OUT_TEXT4",
    "ID_OUT_TEXT5",
    "ID_MSG_MAINFRM_SAVECHANGES",
    // Layout editing.
    "ID_EDIT_UNDO",
    "ID_EDIT_REDO",
    "ID_SCAN_BACK",
    "ID_SCAN_SCOPE",
    "ID_SCAN_SETOTHER",
    "ID_EDIT_SCAN",
    "SCAN_FOUND",
    "ID_EDIT_INSERT",
    "ID_EDIT_DELETE",
    "ID_CPORT_EDIT",
    "ID_CPORT_OUT",
    "ID_EDIT_PLAMP",
    "ID_EDIT_GRIDDING",
    "ID_CHANGEWIN",
    // Names of the effect editing steps shown with Undo and Redo.
    "ID_UNDO_MODE_ADD",
    "ID_UNDO_MODE_INSERT",
    "ID_UNDO_MODE_PASTE",
    "ID_UNDO_MODE_CHANGE",
    "ID_UNDO_MODE_DELETE",
    "ID_UNDO_COLOR_GROUP",
    "ID_UNDO_LAMP_GROUP",
    "ID_UNDO_PROGRAM_GROUPS",
    "ID_UNDO_LAYER",
    // Effect view.
    "ID_LARGEN3",
    "ID_ADDLAMPIMG",
    "ID_PAGESHOW",
    "ID_EDIT_CHANGE",
    "ID_OUT_LIST3",
    "ID_OUT_LIST",
    "ID_OUT_LIST2",
    // Demo view and its pop-up menu.
    "ID_EDIT_SIZE",
    "ID_EDITBACKIMAGE",
    "ID_EDIT_WIDE",
    "ID_EDIT_THIN",
    "ID_ADDBMP",
    "ID_REDUCEBMP",
    "ID_MOVEBMP",
    "ID_SAVE_CODE",
    "ID_OPEN_CODE",
    "ID_EDITDO",
    "ID_DEMO_STOP",
    "ID_DEMO_LIVE",
    "ID_DEMO_RECT",
    "ID_DEMO_Circle",
    "DEMO_ADJUST_HINT",
    "DEMO_PLAY_ENDED",
    "DEMO_MODE_STATUS",
    // View, window and help menus.
    "ID_VIEW_TOOLBAR",
    "ID_VIEW_STATUS_BAR",
    "ID_VIEW_LAN_ENG",
    "ID_VIEW_LAN_CHS",
    "ID_VIEW_LAN_CTS",
    "ID_WINDOW_NEW",
    "ID_WINDOW_ARRANGE",
    "ID_WINDOW_CASCADE",
    "ID_WINDOW_TILE_HORZ",
    "ID_HELP_ABOUT_VC",
    "ID_HELP_WEBSITE",
    "ID_APP_ABOUT",
    "ID_HELP_WHATSNEW",
    // Paths relative to the data folder (help pages) and the tool folder.
    "HELP_PATH",
    "WHATNEW_PATH",
    "STC_PATH",
    // Main window.
    "OPEN_IMAGE_NEEDS_LAYOUT",
    "MAINFRM_ONHELPABOUT_OHFF",
    "MAINFRM_ONHELPABOUTVC_OHFF",
    "MAINFRM_ONWHATSNEW_OWNFF",
    "MAINFRM_ONHELPWEBSITE_OWSF",
    // New-layout wizard.
    "ID_MSG_FILEWIZARD_OVERWRITEFILE",
    "ID_MSG_CMODEEDIT_TEXT",
    // Layout view, scanning and ports.
    "EDITIMGVIEW_ONSCANSETOTHER_PIT",
    "EDITIMGVIEW_ONSCANSETOTHER_PITV",
    "EDITIMGVIEW_ONLBDCLK_STCB",
    "EDITIMGVIEW_ONLBDCLK_CIP",
    "EDITIMGVIEW_ONLBDCLK_ORIF",
    "EDITIMAGEDOC_ONCPORTOUT_CFCF",
    // Colour groups page.
    "PAGE2_ONBUTTON2_NTST",
    "PAGE2_ONBUTTON3_PSAK",
    "PAGE2_ONBUTTON8_NTST",
    "PAGE2_ONBUTTON4_PSTC",
    "PAGE2_ONBUTTON4_PSAKO",
    "PAGE2_ONBUTTON4_YAAT",
    "PAGE2_ONBUTTON4_YSAT",
    "PAGE2_ONBUTTON4_TFCW",
    "PAGE2_ONBUTTON12_PSAC",
    "PAGE2_ONBUTTON13_PSAC",
    "PAGE2_ONBUTTON14_DYRW",
    "PAGE2_ONBUTTON14_PSAC",
    "ID_MSG_PAGE2_CURMODE",
    "ID_MSG_PAGE2_CM_INFO2",
    "ID_MSG_PAGE2_CM_INFO3",
    "ID_MSG_PAGE2_CM_INFO4",
    "ID_MSG_PAGE2_CM_INFO5",
    "ID_MSG_PAGE2_CM_INFO14",
    "ID_MSG_PAGE2_CM_INFO15",
    "MYFUNCTION_GETCOLORDATE_CGD",
    "MYFUNCTION_SAVECOLORDATE_TDFM",
    // Mode list page, circular area, lamp groups page, program group editor.
    "PAGE3_ONBUTTON1_PSAT",
    "PAGE3_ONBUTTON2_PSATO",
    "PAGE3_ONBUTTON3_PSAT",
    "PAGE3_ONBUTTON4_PSAK",
    "PAGE3_ONBUTTON6_PSAK",
    "PAGE3_ONBUTTON7_PSAK",
    "PAGE3_ONBUTTON8_PSAT",
    "PAGE3_ONBUTTON9_PSAT",
    "CIRAREADLG_ONOK_PS",
    "PAGE5_ONBUTTON8_PSAL",
    "MODEGRPEDIT_ONBTNMOK_YSIA",
    "MODEGRPEDIT_ONININDLG_PICIC",
    "ID_TREE_DELETE",
    "ID_TREE_REFRESH",
    // Mode Parameter page: value column labels, chosen per kind.
    "IDD112_1132_EDIT13",
    "IDD112_5133_EDIT14A",
    "IDD112_5133_EDIT14B",
    "IDD112_5309_EDIT15",
    "IDD112_5310_EDIT16A",
    "IDD112_5310_EDIT16B",
    "IDD112_5310_EDIT16C",
    "IDD112_1311_EDIT17A",
    "IDD112_1311_EDIT17B",
    "IDD112_1311_EDIT17C",
    "IDD112_1028_EDIT19",
    "IDD112_1029_EDIT20",
    // Effect view and demo view.
    "IDD_LED_MODE",
    "MODETESTVIEW_ONLARGEN3_PIAN",
    "DEMODOC_ONOPENCODE_OFB",
    // Generated tables and firmware build.
    "SIMULATELIST_CGT_CETN",
    "SIMULATELIST_GCGT_GETN",
    "SIMULATELIST_COLORTEXT_CETN",
    "MODETESTDOC_ONOUTTEXT_FTCD",
    "CRTBINDLG_ONBINGO_PC",
    "CRTBINDLG_ONBINGO_FDCF",
    "CRTBINDLG_ONBINGO_FCCF",
    "生成CData.h文件失败",
    "CRTBINDLG_ONBINGO_FTCB",
    "CRTBINDLG_ONBINGO_CBFF",
    "CRTBINDLG_ONBINGO_FDBCF",
    "ID_MSG_CBINDLG_CREATE",
    "ID_MSG_CREATEDATA_MODES",
    "ID_MSG_CBINDLG_COGRP",
    "ID_MSG_CBINDLG_GRPCLUGRP",
    "ID_MSG_CBINDLG_CLUGRP",
    "ID_MSG_CBINDLG_PRGGRP",
    "ID_MSG_CBINDLG_SIZE",
    "ID_MSG_CBINDLG_RRBSB",
    "ID_MSG_CBINDLG_SEO",
    // Firmware build steps, the controller image and its simulation.
    "ERR_FIRMWARE_STEP_FAILED",
    "ERR_FIRMWARE_STEP_TIMEOUT",
    "ERR_FOLDER_LOCK",
    "ERR_HEX_IMAGE",
    "ERR_SIM_START",
    "ERR_SIM_IMAGE",
    "ERR_SIM_TIMEOUT",
    "ERR_SIM_STOPPED",
    "ERR_SIM_NO_FRAME",
    "ERR_FIRMWARE_STOPPED",
    "ERR_PROGRAM_STOPPED",
    // Controller Preview: the image in the simulator beside the preview.
    "ID_TWIN_PREVIEW",
    "TWIN_CONTROLLER",
    "TWIN_PREVIEW",
    "TWIN_PROGRAM",
    "TWIN_KEY",
    "TWIN_BUILDING",
    "TWIN_STARTING",
    "TWIN_CLOCK",
    "TWIN_BEHIND",
    "TWIN_AGREE",
    "TWIN_FIRST",
    "TWIN_MODE",
    "TWIN_COUNTS",
    "TWIN_REVERSED",
    "TWIN_OTHERWAY",
    "TWIN_FILLBLACK",
    "TWIN_LOOPS",
    "TWIN_TIMING",
    "TWIN_UNEXPLAINED",
    "ERR_TWIN_PROGRAM",
    // Controller programming tools.
    "CSelPRG_ONOPEN300_ERR",
    "CSelPRG_ONOPEN400_ERR",
    // Error keys returned by the core (vx::Error::key).
    "ERR_LANGUAGE_FILE_MISSING",
    "ERR_FILE_OPEN",
    "ERR_FILE_READ",
    "ERR_PICTURE_FORMAT",
    "ERR_PICTURE_TOO_LARGE",
    "ERR_FILE_SAVE",
    "ERR_FILE_TRUNCATED",
    "ERR_FILE_BAD_COUNT",
    "ERR_FILE_BAD_STRING",
    "ERR_FILE_BAD_CLASS",
    "ERR_FILE_BAD_CLASS_REF",
    "ERR_FILE_OBJECT_REF",
    "ERR_FILE_TRAILING_DATA",
    "ERR_FILE_TOO_LARGE",
    "ERR_JSON_SYNTAX",
    "ERR_JSON_FORMAT",
    "ERR_JSON_TYPE",
    "ERR_JSON_RANGE",
    "ERR_JSON_MISSING",
    "ERR_JSON_UNKNOWN_FIELD",
    "ERR_JSON_DEPTH",
    "ERR_JSON_TOO_LONG",
    "ERR_JSON_TOO_LARGE",
    "ERR_JSON_DUPLICATE_KEY",
    "ERR_RENDER_SETTINGS",
    "ERR_CLI_OPTION",
    "ERR_RENDER_FOLDER",
    "ERR_RENDER_STOPPED",
    "ERR_CLI_OUTPUT_NAME",
    "ERR_GIF_WRITE",
    "ERR_LIVE_TARGET",
    "ERR_LIVE_HOST",
    "ERR_LIVE_SOCKET",
    "ERR_LIVE_SEND",
    "ERR_LIVE_OLA",
    "LIVE_OLA_FALLBACK",
    "LIVE_OUTPUT_ON",
    "ERR_LIVE_UNIVERSE",
};

// Numbered families: prefix + n + suffix for n = first..last.
struct KeyFamily {
    std::string_view prefix;
    int first;
    int last;
    std::string_view suffix;
};

constexpr KeyFamily kFamilies[] = {
    {"ID_EFFECT", 1, 7, ""},                // zoom entries
    {"ID_PRG_", 0, 31, ""},                 // program group names
    {"ID_MSG_CMODEEDIT_STYLE", 0, 13, ""},  // wizard styles
    {"ID_MSG_PAGE3_MODE_INFO", 1, 70, ""},  // one hint per mode kind
    {"ID_MSG_PAGE3_MODE_NAME", 1, 70, ""},  // a short name per mode kind
    {"IDD107_m_p1tip", 1, 4, ""},           // program group page tooltips
    {"IDD108_m_p2tip", 1, 14, ""},          // colour page tooltips
    {"IDD109_m_p3tip", 1, 9, ""},           // mode list page tooltips
    {"IDD111_m_p5tip", 1, 12, ""},          // lamp group page tooltips
    {"IDD112_m_p6tip", 1, 9, ""},           // mode parameter page tooltips
};

std::vector<std::string> buildKeys() {
    std::vector<std::string> keys(std::begin(kSingleKeys), std::end(kSingleKeys));
    for (const KeyFamily& family : kFamilies) {
        for (int n = family.first; n <= family.last; ++n) {
            keys.push_back(std::string(family.prefix) + std::to_string(n) +
                           std::string(family.suffix));
        }
    }
    for (const DialogResource& dialog : dialogResources()) {
        keys.push_back(dialogTitleKey(dialog.dialog));
        for (const DialogControl& control : dialog.controls) {
            keys.push_back(dialogControlKey(dialog.dialog, control.control));
        }
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

}  // namespace

const std::vector<std::string>& languageKeys() {
    static const std::vector<std::string> keys = buildKeys();
    return keys;
}

bool isLanguageKey(std::string_view key) {
    const auto& keys = languageKeys();
    return std::binary_search(keys.begin(), keys.end(), key);
}

}  // namespace vx
