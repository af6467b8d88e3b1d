#include "cli/report.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/exit_status.h"
#include "effects/effect_json_fields.h"
#include "platform/data_folder.h"
#include "platform/stop_signals.h"

namespace vx::cli {

int fail(const std::string& subject, const Error& error) {
    std::cerr << "vexolume-cli: " << subject << ": " << messageText(error) << '\n';
    return exitStatusFor(error);
}

int fail(const Error& error) {
    std::cerr << "vexolume-cli: " << messageText(error) << '\n';
    return exitStatusFor(error);
}

std::string messageText(const Error& error) {
    std::string text = englishTable().LookUpText(error.key);
    const std::string detail = error.describe();
    if (text.empty()) return detail.empty() ? "failed" : detail;
    if (detail.empty() || detail == text) return text;
    if (text.back() == '.') text.pop_back();
    return text + ": " + detail;
}

int stopped(int signal, const Error& error) {
    std::cerr << "vexolume-cli: " << messageText(error);
    if (signal != 0) std::cerr << " by " << ::strsignal(signal);
    std::cerr << '\n';
    return signal != 0 ? kExitSignalBase + signal : kExitFailed;
}

int stoppedStatus(StopSignals& signals, const Error& error) {
    return stopped(signals.received(), error);
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
