// vexolume-cli timeline FILE (--program N | --parallel | --sequential |
// --partial A B) --until MS [--json]: every lamp paint and every mode start
// and stop of a playback, in the order they happen. Colours are #RRGGBB.

#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "cli/play_source.h"
#include "cli/report.h"
#include "engine/play/playback.h"

namespace vx::cli {
namespace {

std::string hexColor(ColorWord c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

// Writes events as they come, so a long timeline needs no memory.
class TimelineWriter : public PlayObserver {
public:
    TimelineWriter(std::ostream& out, bool json) : out_(out), json_(json) {
        if (json_) out_ << "[";
    }
    void finish() { out_ << (json_ ? (first_ ? "]\n" : "\n]\n") : ""); }

    void modeStarted(std::int64_t t, std::size_t position, const Mode& mode) override {
        if (json_) {
            emit({{"t", t},
                  {"event", "start"},
                  {"mode", position},
                  {"playKind", mode.playKind},
                  {"kind", mode.kind},
                  {"label", mode.label}});
            return;
        }
        out_ << t << " start " << position << " playKind " << mode.playKind << ' ' << mode.kind
             << '\n';
    }
    void modeStopped(std::int64_t t, std::size_t position, StopReason reason) override {
        const char* why = reason == StopReason::Finished ? "finished" : "stopped";
        if (json_) {
            emit({{"t", t}, {"event", "stop"}, {"mode", position}, {"reason", why}});
            return;
        }
        out_ << t << " stop " << position << ' ' << why << '\n';
    }
    void lampPainted(std::int64_t t, std::uint32_t lamp, ColorWord color) override {
        if (json_) {
            emit({{"t", t}, {"event", "paint"}, {"lamp", lamp}, {"colour", hexColor(color)}});
            return;
        }
        out_ << t << " paint " << lamp << ' ' << hexColor(color) << '\n';
    }

private:
    void emit(nlohmann::json event) {
        // Labels are bytes as typed; invalid UTF-8 is shown replaced.
        out_ << (first_ ? "\n" : ",\n")
             << event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        first_ = false;
    }
    std::ostream& out_;
    bool json_;
    bool first_ = true;
};

}  // namespace

// Ten days of playback, far past any show; beyond it the clock's arithmetic
// would have no headroom.
constexpr long long kMaxUntil = 864'000'000;

void addTimelineCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<PlayOptions>();
    auto until = std::make_shared<std::int64_t>(0);
    auto json = std::make_shared<bool>(false);
    CLI::App* cmd = app.add_subcommand(
        "timeline", "Print the lamp paints (#RRGGBB) and mode starts and stops of a playback");
    addPlayOptions(*cmd, *options);
    cmd->add_option("--until", *until, "play up to this time in ms")
        ->required()
        ->check(wholeIn(0, kMaxUntil));
    cmd->add_flag("--json", *json, "print a JSON array of events");
    cmd->callback([options, until, json, &status] {
        if (const Status range = checkModeRange(options->partial); !range) {
            std::cerr << "vexolume-cli timeline: " << messageText(range.error()) << '\n';
            status = kExitUsage;
            return;
        }
        auto source = loadPlaySource(*options);
        if (!source) {
            std::cerr << "vexolume-cli timeline: " << source.error().describe() << '\n';
            status = exitStatusFor(source.error());
            return;
        }
        std::ios::sync_with_stdio(false);
        TimelineWriter writer(std::cout, *json);
        Playback playback(source->effects, source->layout.lamps.size(), source->request, &writer);
        playback.runUntil(*until);
        writer.finish();
        std::cout.flush();
        status = std::cout ? 0 : 1;
    });
}

}  // namespace vx::cli
