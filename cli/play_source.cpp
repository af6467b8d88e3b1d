#include "cli/play_source.h"

#include "cli/option_checks.h"
#include "engine/compile/compile_effects.h"
#include "layout/layout_json.h"

namespace vx::cli {

void addPlayOptions(CLI::App& command, PlayOptions& options) {
    command.add_option("file", options.file, "layout file (.led, .lam or .json)")->required();
    command.add_option("--program", options.program, "play program group N (0-31) in parallel")
        ->check(CLI::Range(0, 31));
    command.add_flag("--parallel", options.parallel, "play all modes in parallel");
    command.add_flag("--sequential", options.sequential, "play all modes one after another");
    command.add_option("--partial", options.partial, "play modes A to B in parallel")
        ->expected(2)
        ->check(wholeIn(0, 1'000'000));
}

Result<PlaySource> loadPlaySource(const PlayOptions& options) {
    const int chosen = (options.program ? 1 : 0) + (options.parallel ? 1 : 0) +
                       (options.sequential ? 1 : 0) + (options.partial.empty() ? 0 : 1);
    if (chosen != 1) {
        return Error{"ERR_CLI_USAGE",
                     "choose one of --program N, --parallel, --sequential, --partial A B",
                     std::nullopt};
    }
    auto layout = readLayoutFile(options.file);
    if (!layout) return layout.error();

    PlaySource source{std::move(*layout), {}, {}};
    source.effects = compileEffects(source.layout);
    if (options.sequential) {
        source.request.order = PlayOrder::Sequential;
    } else if (!options.partial.empty()) {
        source.request.order = PlayOrder::Partial;
        source.request.first = options.partial[0];
        source.request.last = options.partial[1];
    } else {
        source.request.order = PlayOrder::Parallel;
        source.request.programGroup = options.program;
    }
    return source;
}

}  // namespace vx::cli
