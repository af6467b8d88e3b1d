#pragma once
// What the timeline and render commands share: the layout file, the choice
// of playback (--program N | --parallel | --sequential | --partial A B) and
// the compiled effects it plays.

#include <CLI/CLI.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "engine/compiled_effects.h"
#include "engine/play/playback.h"
#include "layout/lamp_layout.h"

namespace vx::cli {

struct PlayOptions {
    std::string file;
    std::optional<std::size_t> program;
    bool parallel = false;
    bool sequential = false;
    std::vector<std::size_t> partial;  // first, last
};

void addPlayOptions(CLI::App& command, PlayOptions& options);

struct PlaySource {
    LampLayout layout;
    CompiledEffects effects;
    PlayRequest request;
};

// Reads and compiles the layout and turns the options into a request.
// Exactly one kind of playback must be chosen; a program group plays its
// list in parallel.
Result<PlaySource> loadPlaySource(const PlayOptions& options);

}  // namespace vx::cli
