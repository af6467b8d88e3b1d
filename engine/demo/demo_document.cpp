#include "engine/demo/demo_document.h"

#include <algorithm>

#include "engine/play/play_geometry.h"
#include "layout/layout_bounds.h"
#include "platform/file_io.h"

namespace vx {

DemoDocument::DemoDocument(std::vector<Lamp> lamps, CompiledEffects effects, std::int32_t playState,
                           std::size_t partialFirst, std::size_t partialLast)
    : lamps_(std::move(lamps)),
      effects_(std::move(effects)),
      playState_(playState),
      replayState_(playState),
      partialFirst_(partialFirst),
      partialLast_(partialLast) {}

std::optional<PlayRequest> DemoDocument::takePendingPlay(std::int32_t surfaceWidth) {
    if (adjustMode_) return std::nullopt;
    PlayRequest request;
    request.surfaceWidth = surfaceWidth;
    if (groupChosen_) request.programGroup = static_cast<std::size_t>(programGroup_);
    switch (playState_) {
        case playstate::kSequential:
            request.order = PlayOrder::Sequential;
            playState_ = playstate::kIdle;
            break;
        case playstate::kParallel:
        case playstate::kStartOver:
            request.order = PlayOrder::Parallel;
            playState_ = playstate::kParallelRunning;
            break;
        case playstate::kPartial:
            request.order = PlayOrder::Partial;
            request.first = partialFirst_;
            request.last = partialLast_;
            playState_ = playstate::kIdle;
            break;
        default: return std::nullopt;
    }
    return request;
}

void DemoDocument::start() {
    playState_ = replayState_;
    adjustMode_ = false;
    started_ = true;
    notify();
}

void DemoDocument::selectProgramGroup(std::int32_t k) {
    if (k < 0 || k >= static_cast<std::int32_t>(kProgramGroupCount)) return;
    programGroup_ = k;
    groupChosen_ = true;
    start();
}

std::size_t DemoDocument::modeCount() const {
    if (!groupChosen_) return effects_.modes.size();
    return effects_.programGroups[static_cast<std::size_t>(programGroup_)].size();
}

void DemoDocument::openPicture(std::string path) {
    std::ranges::replace(path, '\\', '/');
    picturePath_ = std::move(path);
    adjustMode_ = true;
    showLamps_ = true;
    notify();
}

void DemoDocument::setScaleStep(double step) {
    scaleStep_ = step;
    notify();
}

void DemoDocument::setTool(PictureTool tool) {
    tool_ = tool;
    notify();
}

bool DemoDocument::mouseDown(std::int32_t x, std::int32_t y) {
    if (!adjustMode_ || picturePath_.empty()) return false;
    downX_ = x;
    downY_ = y;
    if (tool_ == PictureTool::Widen) {
        picture_.scale += scaleStep_;
    } else if (tool_ == PictureTool::Minish && picture_.scale > 0.1) {
        picture_.scale -= scaleStep_;
    } else {
        return false;
    }
    notify();
    return true;
}

bool DemoDocument::mouseUp(std::int32_t x, std::int32_t y) {
    if (!adjustMode_ || picturePath_.empty() || tool_ != PictureTool::Move) return false;
    picture_.x += x - downX_;
    picture_.y += y - downY_;
    notify();
    return true;
}

void DemoDocument::fitCellSizeIfUnset(std::int32_t width, std::int32_t height) {
    if (cellSize_ != 0) return;
    cellSize_ = fitCellSize(allLampBounds(lamps_), width, height);
}

void DemoDocument::scaleDialogClosed(std::optional<std::int32_t> chosen) {
    if (chosen && *chosen >= 1 && *chosen <= kMaxCellSize) {
        cellSize_ = *chosen;
        cellSizeCopy_ = *chosen;
    }
    if (placementPending_ == 1) placementPending_ = 2;
    notify();
}

void DemoDocument::applyPendingPlacement(std::int32_t width, std::int32_t height) {
    if (placementPending_ != 2) return;
    picture_ = placeFromNormalised(normalised_, cellSize_, width, height);
    placementPending_ = 1;
}

std::vector<std::uint8_t> DemoDocument::saveBmpParameters(std::int32_t width, std::int32_t height) {
    normalised_ = normalisePlacement(picture_, cellSize_, width, height);
    placementPending_ = 2;
    return encodeBmpParameters(normalised_);
}

Status DemoDocument::loadBmpParameters(const std::filesystem::path& file) {
    auto bytes = readFileBytes(file);
    if (!bytes) return Error{"DEMODOC_ONOPENCODE_OFB", bytes.error().detail};
    const BmpParameters p = decodeBmpParameters(*bytes);
    if (p.x) normalised_.x = *p.x;
    if (p.y) normalised_.y = *p.y;
    if (p.scale) normalised_.scale = *p.scale;
    if (p.pending) placementPending_ = *p.pending;
    notify();
    return {};
}

void DemoDocument::addObserver(DemoObserver* observer) { observers_.push_back(observer); }

void DemoDocument::removeObserver(DemoObserver* observer) { std::erase(observers_, observer); }

void DemoDocument::notify() {
    for (DemoObserver* o : observers_) o->demoChanged();
}

}  // namespace vx
