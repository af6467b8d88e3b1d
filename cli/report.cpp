#include "cli/report.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "effects/effect_json_fields.h"
#include "platform/data_folder.h"
#include "platform/stop_signals.h"

namespace vx::cli {

int fail(const std::string& subject, const Error& error) {
    std::cerr << "vexolume-cli: " << subject << ": " << error.describe() << '\n';
    return 1;
}

int fail(const Error& error) { return fail(error.key, error); }

int stoppedStatus(StopSignals& signals, const Error& error) {
    const int sig = signals.received();
    std::cerr << "vexolume-cli: " << error.key << ": " << error.describe();
    if (sig != 0) std::cerr << " by " << ::strsignal(sig);
    std::cerr << '\n';
    return sig != 0 ? 128 + sig : 1;
}

std::string printable(const std::string& bytes) {
    const bool utf8 = json::isValidUtf8(bytes);
    std::string out;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || b == 0x7F || (b >= 0x80 && !utf8)) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out;
}

LanguageTable englishTable() {
    const auto folder = findDataFolder(FolderEnvironment::fromProcess());
    auto table = LanguageTable::load(folder / "Mullanguage" / "English.ini");
    return table ? *table : LanguageTable{};
}

}  // namespace vx::cli
