#pragma once
// The demo document: one compiled effect to play over a picture of the
// installation. It holds what the demo view shows and what its commands
// change — the picture and its placement, the adjust mode, the cell size,
// the chosen program group and the play state — and tells its observers of
// every change. Playing itself is the view's business (on the playback
// clock); this document only says what is to be started.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "engine/compiled_effects.h"
#include "engine/demo/bmp_parameters.h"
#include "engine/play/playback.h"
#include "layout/lamp.h"
#include "layout/layout_document.h"

namespace vx {

enum class PictureTool { None, Move, Widen, Minish };

class DemoObserver {
public:
    virtual ~DemoObserver() = default;
    virtual void demoChanged() = 0;
};

class DemoDocument {
public:
    // `playState` is the PlayState the play command set (1, 2 or 3); Start
    // sets it back to that value.
    DemoDocument(std::vector<Lamp> lamps, CompiledEffects effects, std::int32_t playState,
                 std::size_t partialFirst = 0, std::size_t partialLast = 0);

    const std::vector<Lamp>& lamps() const { return lamps_; }
    const CompiledEffects& effects() const { return effects_; }
    // The layout document the effects were compiled from, while it is open.
    void setSource(std::weak_ptr<LayoutDocument> source) { source_ = std::move(source); }
    std::shared_ptr<LayoutDocument> source() const { return source_.lock(); }

    // Play state: what the next draw outside adjust mode starts.
    std::int32_t playState() const { return playState_; }
    std::int32_t replayState() const { return replayState_; }
    // The request that starts the pending playback, and the play state it
    // leaves behind (sequential and partial 0, parallel 5); nothing when
    // nothing is pending or the document is in adjust mode.
    std::optional<PlayRequest> takePendingPlay(std::int32_t surfaceWidth);

    // Start: back to the state the document was made with, out of adjust mode.
    void start();
    // Chooses program group k (0..31): its list is played from now on; Start follows.
    void selectProgramGroup(std::int32_t k);
    std::int32_t programGroup() const { return programGroup_; }
    bool programGroupChosen() const { return groupChosen_; }
    // The modes the next playback plays.
    std::size_t modeCount() const;

    // Picture.
    void openPicture(std::string path);
    const std::string& picturePath() const { return picturePath_; }
    bool adjustMode() const { return adjustMode_; }
    bool showLamps() const { return showLamps_; }
    bool started() const { return started_; }
    const PicturePlacement& picture() const { return picture_; }
    double scaleStep() const { return scaleStep_; }
    void setScaleStep(double step);
    PictureTool tool() const { return tool_; }
    void setTool(PictureTool tool);
    // Mouse in adjust mode with a picture; true when the picture changed.
    bool mouseDown(std::int32_t x, std::int32_t y);
    bool mouseUp(std::int32_t x, std::int32_t y);

    // Cell size, shared by the view and the playback; 0 until first fitted.
    std::int32_t cellSize() const { return cellSize_; }
    // Fits the cell size to the view when it is 0 (first draw); at most 20.
    void fitCellSizeIfUnset(std::int32_t width, std::int32_t height);
    // Demo Scale: OK sets the size (1 to 20); OK or Cancel makes the picture
    // follow the size on the next draw.
    void scaleDialogClosed(std::optional<std::int32_t> chosen);
    std::int32_t cellSizeCopy() const { return cellSizeCopy_; }

    // Placement relative to the cell size (the bitmap parameters file).
    std::int32_t placementPending() const { return placementPending_; }
    const NormalisedPlacement& normalised() const { return normalised_; }
    // Step 2 of drawing: a pending placement is turned into picture x, y and scale.
    void applyPendingPlacement(std::int32_t width, std::int32_t height);
    // Save BmpParameter: the file's bytes; the placement becomes pending.
    std::vector<std::uint8_t> saveBmpParameters(std::int32_t width, std::int32_t height);
    // Input BmpParameter from a file; an unreadable file changes nothing.
    Status loadBmpParameters(const std::filesystem::path& file);

    void addObserver(DemoObserver* observer);
    void removeObserver(DemoObserver* observer);

private:
    std::weak_ptr<LayoutDocument> source_;
    void notify();

    std::vector<Lamp> lamps_;
    CompiledEffects effects_;
    std::int32_t playState_;
    std::int32_t replayState_;
    std::size_t partialFirst_;
    std::size_t partialLast_;
    std::int32_t programGroup_ = 0;
    bool groupChosen_ = false;
    std::string picturePath_;
    bool adjustMode_ = true;
    bool showLamps_ = false;
    bool started_ = false;
    PicturePlacement picture_;
    double scaleStep_ = 0.01;
    PictureTool tool_ = PictureTool::None;
    std::int32_t downX_ = 0, downY_ = 0;
    std::int32_t cellSize_ = 0;
    std::int32_t cellSizeCopy_ = 6;
    std::int32_t placementPending_ = 0;
    NormalisedPlacement normalised_;
    std::vector<DemoObserver*> observers_;
};

}  // namespace vx
