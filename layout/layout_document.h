#pragma once
// A layout document: one LampLayout with its file path, its modified mark and
// the observers (views) that show it. Several views may show one document;
// every change goes through the document so that all of them hear of it.

#include <filesystem>
#include <memory>
#include <vector>

#include "base/result.h"
#include "layout/history/undo_history.h"
#include "layout/lamp_layout.h"
#include "layout/layout_change.h"

namespace vx {

enum class SaveOutcome {
    Saved,
    TooFewLamps,  // fewer than 2 lamps: nothing written, nothing reported
};

class LayoutDocument {
public:
    LayoutDocument() = default;
    explicit LayoutDocument(LampLayout layout) : layout_(std::move(layout)) {}

    // Loads a layout file in either form (binary or JSON). On any error no
    // document is made.
    static Result<std::unique_ptr<LayoutDocument>> open(const std::filesystem::path& path);

    const LampLayout& layout() const { return layout_; }

    // The one way to change the layout: does the edit, records it as a step
    // (or merges it into the last one) and tells the observers. The modified
    // mark follows the history. An edit that changed nothing is dropped and
    // false returned.
    bool apply(std::unique_ptr<Edit> edit);
    bool undo();
    bool redo();
    // Ends the current step, so the next edit does not merge into it.
    void closeStep() { history_.closeStep(); }
    const UndoHistory& history() const { return history_; }
    void addObserver(LayoutObserver* observer);
    void removeObserver(LayoutObserver* observer);

    const std::filesystem::path& path() const { return path_; }
    bool hasPath() const { return !path_.empty(); }
    bool isModified() const { return modified_; }
    void setModified(bool modified);
    bool openedFromFile() const { return openedFromFile_; }
    bool isJsonForm() const { return json_; }
    bool lampsShown() const { return lampsShown_; }
    void setLampsShown(bool shown) { lampsShown_ = shown; }

    // Writes the layout to its current path. Refuses silently (TooFewLamps)
    // below two lamps; on a write error the file on disk and the document
    // stay as they were.
    Result<SaveOutcome> save();
    // Writes under layoutSaveName(chosen) and takes that as the path.
    Result<SaveOutcome> saveAs(const std::filesystem::path& chosen);

private:
    Result<SaveOutcome> writeTo(const std::filesystem::path& path);
    void notify(LayoutChange change);

    LampLayout layout_;
    std::filesystem::path path_;
    bool modified_ = false;
    bool openedFromFile_ = false;
    bool json_ = false;  // the file at path_ is the JSON form
    bool lampsShown_ = false;
    std::vector<LayoutObserver*> observers_;
    UndoHistory history_;
};

}  // namespace vx
