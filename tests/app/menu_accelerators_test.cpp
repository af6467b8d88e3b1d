// Within one menu, no two entries of a table may share an access key: the
// second would be unreachable from the keyboard. The menus are those of the
// layout, effect, demo and main windows.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/language/language_table.h"
#include "app/language/languages.h"

namespace vx {
namespace {

const std::vector<std::vector<std::string>> kMenus = {
    // Menu bars.
    {"ID_FILE", "ID_EDIT", "ID_VIEW", "ID_WINDOW", "ID_HELP"},
    {"ID_FILE", "ID_EDIT", "ID_PLAY", "ID_VIEW", "ID_WINDOW", "ID_HELP"},
    // Layout window.
    {"ID_OPENEDIT", "ID_FILE_WIZARD", "ID_FILE_OPEN", "ID_OPEN_IMAGE", "ID_OPENEDITL",
     "ID_FILE_SAVE", "ID_FILE_SAVE_AS", "ID_FILE_CLOSE", "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW",
     "ID_FILE_PRINT_SETUP", "ID_APP_EXIT"},
    {"ID_EDIT_UNDO", "ID_EDIT_REDO", "ID_EDIT_SETV", "ID_EDIT_SCAN", "ID_EDIT_ZOOMIO",
     "ID_EDIT_INSERT", "ID_EDIT_DELETE", "ID_CPORT_EDIT", "ID_CPORT_OUT", "ID_EDIT_PLAMP"},
    {"ID_SCAN_BACK", "ID_SCAN_SCOPE", "ID_SCAN_SETOTHER"},
    {"ID_EFFECT1", "ID_EFFECT2", "ID_EFFECT3", "ID_EFFECT4", "ID_EFFECT5", "ID_EFFECT6",
     "ID_EFFECT7"},
    {"ID_VIEW_TOOLBAR", "ID_VIEW_STATUS_BAR", "ID_EDIT_GRIDDING", "ID_VIEW_LANGUAGE"},
    {"ID_VIEW_LAN_ENG", "ID_VIEW_LAN_CHS", "ID_VIEW_LAN_CTS"},
    {"ID_HELP_ABOUT_VC", "ID_HELP_WEBSITE", "ID_APP_ABOUT", "ID_HELP_WHATSNEW"},
    // Effect window.
    {"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_SAVE", "ID_FILE_SAVE_AS", "ID_FILE_CLOSE",
     "ID_FILE_EXPORT", "ID_OUT_TEXT5", "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW",
     "ID_FILE_PRINT_SETUP", "ID_APP_EXIT"},
    {"ID_LARGEN3", "ID_ADDLAMPIMG", "ID_PAGESHOW", "ID_EDIT_CHANGE"},
    {"ID_OUT_LIST3", "ID_OUT_LIST", "ID_OUT_LIST2"},
    {"ID_WINDOW_NEW", "ID_WINDOW_CASCADE", "ID_WINDOW_TILE_HORZ", "ID_WINDOW_ARRANGE"},
    // Demo window and the window without documents.
    {"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_CLOSE", "ID_FILE_SAVE", "ID_FILE_SAVE_AS",
     "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW", "ID_FILE_PRINT_SETUP", "ID_APP_EXIT"},
    {"ID_NEW_LED", "ID_FILE_OPEN", "ID_FILE_PRINT_SETUP", "ID_APP_EXIT"},
};

// The access key of a menu text ("&Open" gives 'o'), or 0; "&&" is a plain "&".
char accessKey(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

TEST(MenuAccessKeys, AreDistinctWithinEachMenuOfEveryTable) {
    const std::filesystem::path folder =
        std::filesystem::path(VEXOLUME_SOURCE_DIR) / "share" / "vexolume" / "Mullanguage";
    for (const LanguageInfo& info : languages()) {
        if (!std::filesystem::exists(folder / info.fileName)) continue;
        SCOPED_TRACE(std::string(info.fileName));
        auto table = LanguageTable::load(folder / info.fileName);
        ASSERT_TRUE(table.ok());
        for (const auto& menu : kMenus) {
            std::map<char, std::string> owner;
            for (const auto& key : menu) {
                const char letter = accessKey(table->LookUpText(key));
                if (letter == 0) continue;
                const auto [it, fresh] = owner.emplace(letter, key);
                EXPECT_TRUE(fresh)
                    << key << " and " << it->second << " share the key '" << letter << "'";
            }
        }
    }
}

}  // namespace
}  // namespace vx
