#pragma once
// The one list of every key the program looks up in a language table. Each
// table under Mullanguage/ must hold exactly these keys (a test checks it),
// so a key added to the code is added here, in one line, and to the tables.

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// All keys, sorted and without duplicates.
const std::vector<std::string>& languageKeys();

bool isLanguageKey(std::string_view key);

}  // namespace vx
