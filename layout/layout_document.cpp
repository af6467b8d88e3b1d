#include "layout/layout_document.h"

#include <algorithm>

#include "layout/layout_file.h"
#include "layout/layout_json.h"
#include "layout/save_name.h"
#include "platform/file_io.h"

namespace vx {

Result<std::unique_ptr<LayoutDocument>> LayoutDocument::open(const std::filesystem::path& path) {
    auto read = readLayoutFileWithForm(path);
    if (!read) return read.error();
    auto doc = std::make_unique<LayoutDocument>(std::move(read->layout));
    doc->path_ = path;
    doc->json_ = read->json;
    doc->openedFromFile_ = true;
    doc->lampsShown_ = true;
    return doc;
}

bool LayoutDocument::apply(std::unique_ptr<Edit> edit) {
    if (!edit) return false;
    edit->redo(layout_);
    if (!edit->changedAnything()) return false;
    const auto change = edit->change();
    history_.push(std::move(edit));
    modified_ = !history_.isClean();
    notify(change);
    return true;
}

bool LayoutDocument::undo() {
    const Edit* edit = history_.undo(layout_);
    if (edit == nullptr) return false;
    modified_ = !history_.isClean();
    notify(edit->change());
    return true;
}

bool LayoutDocument::redo() {
    const Edit* edit = history_.redo(layout_);
    if (edit == nullptr) return false;
    modified_ = !history_.isClean();
    notify(edit->change());
    return true;
}

void LayoutDocument::setModified(bool modified) {
    modified_ = modified;
    if (modified) {
        history_.loseClean();
    } else {
        history_.setClean();
    }
}

void LayoutDocument::notify(LayoutChange change) {
    // Copy: an observer may detach itself while being told.
    const auto observers = observers_;
    for (auto* o : observers) o->layoutChanged(change);
}

void LayoutDocument::addObserver(LayoutObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
        observers_.push_back(observer);
    }
}

void LayoutDocument::removeObserver(LayoutObserver* observer) { std::erase(observers_, observer); }

Result<SaveOutcome> LayoutDocument::save() {
    if (layout_.lamps.size() < 2) return SaveOutcome::TooFewLamps;
    return writeTo(path_);
}

Result<SaveOutcome> LayoutDocument::saveAs(const std::filesystem::path& chosen) {
    if (layout_.lamps.size() < 2) return SaveOutcome::TooFewLamps;
    return writeTo(layoutSaveName(chosen));
}

Result<SaveOutcome> LayoutDocument::writeTo(const std::filesystem::path& path) {
    if (path.empty()) return Error{"ERR_FILE_SAVE", "the layout has no file name yet"};
    // A layout opened in its JSON form is saved in that form under its own
    // name; Save As always names a binary file.
    const bool json = json_ && path == path_;
    const Status written = json ? writeFileAtomically(path, layoutToJson(layout_))
                                : writeFileAtomically(path, encodeLayout(layout_));
    if (!written) return written.error();
    json_ = json;
    path_ = path;
    setModified(false);
    return SaveOutcome::Saved;
}

}  // namespace vx
