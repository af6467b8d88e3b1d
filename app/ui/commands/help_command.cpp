#include "app/ui/commands/help_command.h"

namespace vx {
namespace {

// The maker's web site.
constexpr auto kWebSite = "https://github.com/vexolume/vexolume";

}  // namespace

bool HelpCommand::run(AppCommandContext& c) {
    const auto inBase = [&c](std::string_view key) {
        return QString::fromStdString(
            (c.appState().baseFolder / c.languageTable().LookUpText(key)).string());
    };
    QString target;
    std::string_view failureKey;
    switch (page_) {
        case HelpPage::Topics:
            target = inBase("HELP_PATH");
            failureKey = "MAINFRM_ONHELPABOUTVC_OHFF";
            break;
        case HelpPage::WhatsNew:
            target = inBase("WHATNEW_PATH");
            failureKey = "MAINFRM_ONWHATSNEW_OWNFF";
            break;
        case HelpPage::WebSite:
            target = QString::fromUtf8(kWebSite);
            failureKey = "MAINFRM_ONHELPWEBSITE_OWSF";
            break;
    }
    if (!c.dialogs().openInShell(target)) c.showMessageKey(failureKey);
    return true;
}

}  // namespace vx
