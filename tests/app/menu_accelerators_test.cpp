// Within one menu, no two entries of a table may share an access key: the
// second would be unreachable from the keyboard. Every popup of the four menu
// bars is checked in every language table.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/ui/menu_tables.h"
#include "platform/language/language_table.h"
#include "platform/language/languages.h"

namespace vx {
namespace {

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

// Checks the entries of one popup, then each popup below it.
void checkMenu(std::span<const MenuEntry> entries, const LanguageTable& table) {
    std::map<char, std::string_view> owner;
    for (const MenuEntry& entry : entries) {
        if (entry.type == MenuEntry::Type::Popup) checkMenu(entry.children, table);
        std::vector<std::string_view> keys;
        if (entry.type == MenuEntry::Type::Popup || entry.type == MenuEntry::Type::Command) {
            keys.push_back(entry.key);
        }
        if (entry.type == MenuEntry::Type::Languages) {
            for (const LanguageInfo& info : languages()) keys.push_back(info.menuKey);
        }
        for (std::string_view key : keys) {
            const char letter = accessKey(table.LookUpText(key));
            if (letter == 0) continue;
            const auto [it, fresh] = owner.emplace(letter, key);
            EXPECT_TRUE(fresh) << key << " and " << it->second << " share the key '" << letter
                               << "'";
        }
    }
}

TEST(MenuAccessKeys, AreDistinctWithinEachMenuOfEveryTable) {
    const std::filesystem::path folder =
        std::filesystem::path(VEXOLUME_SOURCE_DIR) / "share" / "vexolume" / "Mullanguage";
    for (const LanguageInfo& info : languages()) {
        SCOPED_TRACE(std::string(info.fileName));
        auto table = LanguageTable::load(folder / info.fileName);
        ASSERT_TRUE(table.ok());
        for (MenuKind kind : {MenuKind::Main, MenuKind::Layout, MenuKind::Effect, MenuKind::Demo}) {
            checkMenu(menuBar(kind), *table);
        }
    }
}

}  // namespace
}  // namespace vx
