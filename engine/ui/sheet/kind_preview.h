#pragma once
// "Mode Preview": the selected kind played by the engine on the preview
// lattice, looping.

#include <string>

#include "engine/ui/sheet/lattice_preview.h"

namespace vx {

class KindPreview : public LatticePreview {
    Q_OBJECT
public:
    using LatticePreview::LatticePreview;

    // Starts the preview of `kind` (stopping the one before); an empty kind stops.
    void play(const std::string& kind);
    const std::string& kind() const { return kind_; }

private:
    std::string kind_;
};

// The mode a preview plays for `kind` on the preview lattice.
Mode previewMode(const std::string& kind);

}  // namespace vx
