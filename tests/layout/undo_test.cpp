#include <gtest/gtest.h>

#include <memory>

#include "layout/history/delete_lamp_edit.h"
#include "layout/history/grouped_edit.h"
#include "layout/history/insert_lamp_edit.h"
#include "layout/history/transfer_data_edit.h"
#include "layout/history/wire_port_edit.h"
#include "layout/lamp_editing.h"
#include "layout/layout_document.h"
#include "layout/ports.h"
#include "tests/layout/counting_observer.h"

namespace vx {
namespace {

LampLayout columnOfTen() {
    LampLayout layout;  // scan scope 10..450 high, pitch 8: 55 rows
    for (std::int32_t y = 0; y < 10; ++y) layout.lamps.push_back(Lamp::made(0, y, y, 8));
    return layout;
}

std::vector<std::int32_t> numbers(const LampLayout& layout) {
    std::vector<std::int32_t> out;
    for (const auto& l : layout.lamps) out.push_back(l.number);
    return out;
}

// One insertion at a cell, done through the document as the layout view does.
void insertThroughDocument(LayoutDocument& doc, std::int32_t x, std::int32_t y,
                           std::uint64_t stroke) {
    doc.apply(std::make_unique<InsertLampEdit>(LatticeCell{x, y}, stroke));
}

// Lamps 2, 3, 4 of the column on port 5 in that order, the rest on no port.
LampLayout wiredColumn() {
    auto layout = columnOfTen();
    for (std::int32_t i = 2; i < 5; ++i) {
        auto& lamp = layout.lamps[static_cast<std::size_t>(i)];
        lamp.port = 5;
        lamp.portOrder = i - 1;
        lamp.color = portColor(5);
    }
    return layout;
}

// Does `edit` on a copy of `start`, checks it changed something, undoes it
// and checks the layout is exactly `start` again; then redoes it and returns
// the result, which must equal the first doing.
LampLayout doUndoRedo(const LampLayout& start, Edit& edit) {
    LampLayout layout = start;
    edit.redo(layout);
    EXPECT_TRUE(edit.changedAnything());
    EXPECT_NE(layout, start);
    const LampLayout done = layout;
    edit.undo(layout);
    EXPECT_EQ(layout, start);
    edit.redo(layout);
    EXPECT_EQ(layout, done);
    return layout;
}

using test::CountingObserver;

TEST(LampEditing, InsertKeepsNumbersDenseInColumnOrder) {
    auto layout = columnOfTen();
    EXPECT_TRUE(insertLampAt(layout, 0, 10));
    EXPECT_EQ(layout.lamps.back().number, 10);
    EXPECT_EQ(layout.lamps.back().color, kGreen);
    EXPECT_EQ(layout.lamps.back().diameter, 8);

    auto layout2 = columnOfTen();
    EXPECT_TRUE(insertLampAt(layout2, 1, 0));
    EXPECT_EQ(layout2.lamps.back().number, 10);

    LampLayout empty;
    EXPECT_TRUE(insertLampAt(empty, 3, 5));
    EXPECT_EQ(empty.lamps.at(0).number, 0);
}

TEST(LampEditing, DeleteRenumbersAndAnEmptyCellChangesNothing) {
    auto layout = columnOfTen();
    EXPECT_TRUE(deleteLampsAt(layout, 0, 0));
    EXPECT_EQ(numbers(layout), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(layout.lamps.front().y, 1);
    EXPECT_FALSE(deleteLampsAt(layout, 5, 5));

    auto roundTrip = columnOfTen();
    ASSERT_TRUE(insertLampAt(roundTrip, 3, 2));
    ASSERT_TRUE(deleteLampsAt(roundTrip, 3, 2));
    EXPECT_EQ(roundTrip, columnOfTen());
}

TEST(Edits, EachUndoRestoresTheLayoutExactly) {
    const auto start = wiredColumn();

    InsertLampEdit append({0, 12}, 0);  // an empty cell below the column
    EXPECT_EQ(doUndoRedo(start, append).lamps.size(), 11u);
    LampLayout gapped = start;
    DeleteLampEdit({0, 5}, 0).redo(gapped);
    InsertLampEdit fill({0, 5}, 0);  // renumbers every lamp behind it
    EXPECT_EQ(doUndoRedo(gapped, fill).lamps, start.lamps);

    DeleteLampEdit deleteWired({0, 3}, 0);  // the middle of the port chain
    const auto deleted = doUndoRedo(start, deleteWired);
    EXPECT_EQ(deleted.lamps[3].portOrder, 2);  // the chain closed its gap
    EXPECT_EQ(deleted.lamps[3].number, 3);

    const PortEditState adding{5, 0, 0, PortOperation::Add};
    WirePortEdit wire({0, 7}, adding, 0);
    const auto wired = doUndoRedo(start, wire);
    EXPECT_EQ(wired.lamps[7].port, 5);
    EXPECT_EQ(wired.lamps[7].portOrder, 4);
    EXPECT_EQ(wire.change(), LayoutChange::Ports);

    WirePortEdit unwire({0, 2}, {5, 0, 0, PortOperation::Remove}, 0);
    EXPECT_EQ(doUndoRedo(start, unwire).lamps[4].portOrder, 2);

    // Nothing to do: an occupied cell, an empty cell, a lamp already wired.
    std::vector<std::unique_ptr<Edit>> idle;
    idle.push_back(std::make_unique<InsertLampEdit>(LatticeCell{0, 0}));
    idle.push_back(std::make_unique<DeleteLampEdit>(LatticeCell{3, 3}));
    idle.push_back(std::make_unique<WirePortEdit>(LatticeCell{0, 2}, adding));
    LampLayout same = start;
    for (const auto& e : idle) {
        e->redo(same);
        EXPECT_FALSE(e->changedAnything()) << e->textKey();
        EXPECT_EQ(same, start);
    }
}

TEST(Edits, ADragIsOneStepAndUndoesInOneGo) {
    LayoutDocument doc(wiredColumn());
    // Delete down the column through the chain, with an empty cell between.
    for (std::int32_t y : {1, 2, 3, 20, 4}) {
        doc.apply(std::make_unique<DeleteLampEdit>(LatticeCell{0, y}, 9));
    }
    doc.closeStep();
    EXPECT_EQ(doc.history().count(), 1u);
    EXPECT_EQ(doc.layout().lamps.size(), 6u);
    EXPECT_EQ(doc.history().nextUndo()->textKey(), "ID_EDIT_DELETE");

    // A wiring drag carries the port state from lamp to lamp.
    auto first = std::make_unique<WirePortEdit>(LatticeCell{0, 0},
                                                PortEditState{1, 0, 0, PortOperation::Add}, 10);
    const WirePortEdit* done = first.get();  // the history owns it once applied
    ASSERT_TRUE(doc.apply(std::move(first)));
    doc.apply(std::make_unique<WirePortEdit>(LatticeCell{0, 5}, done->stateAfter(), 10));
    // An insert with the same stroke number is another kind: its own step.
    insertThroughDocument(doc, 0, 30, 10);
    EXPECT_EQ(doc.history().count(), 3u);
    EXPECT_EQ(doc.layout().lamps[1].portOrder, 2);

    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout().lamps[1].port, 0);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout(), wiredColumn());
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(doc.layout().lamps.size(), 6u);
}

TEST(GroupedEdit, IsOneNamedStepUndoneInReverse) {
    LayoutDocument doc(wiredColumn());
    auto group = std::make_unique<GroupedEdit>("ID_EDIT_PLAMP", LayoutChange::Everything);
    group->add(std::make_unique<InsertLampEdit>(LatticeCell{0, 10}))
        .add(std::make_unique<DeleteLampEdit>(LatticeCell{0, 3}))
        .add(std::make_unique<TransferDataEdit>());
    CountingObserver seen;
    doc.addObserver(&seen);
    ASSERT_TRUE(doc.apply(std::move(group)));
    EXPECT_EQ(doc.history().count(), 1u);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.last, LayoutChange::Everything);
    EXPECT_EQ(doc.layout().effectLamps, transferredLamps(doc.layout().lamps));
    EXPECT_EQ(doc.layout().lamps.size(), 10u);

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout(), wiredColumn());
    EXPECT_EQ(doc.history().nextRedo()->textKey(), "ID_EDIT_PLAMP");

    // A group of edits that do nothing is no step.
    auto idle = std::make_unique<GroupedEdit>("ID_EDIT_INSERT", LayoutChange::Lamps);
    idle->add(std::make_unique<InsertLampEdit>(LatticeCell{0, 0}));
    EXPECT_FALSE(doc.apply(std::move(idle)));
    EXPECT_TRUE(doc.history().canRedo());
}

// An edit of a given size that does nothing to the layout.
struct SizedEdit : Edit {
    explicit SizedEdit(std::size_t size) : bytes(size) {}
    void redo(LampLayout&) override {}
    void undo(LampLayout&) override {}
    LayoutChange change() const override { return LayoutChange::Settings; }
    std::string_view textKey() const override { return "ID_EDIT_INSERT"; }
    std::size_t sizeInBytes() const override { return bytes; }
    std::size_t bytes;
};

TEST(UndoHistory, OldestStepsGoBeyondTheCapAndTheCleanMarkFollows) {
    LampLayout layout;
    UndoHistory history(1000);
    history.push(std::make_unique<SizedEdit>(400));
    history.push(std::make_unique<SizedEdit>(400));
    history.setClean();  // saved after the second step
    history.push(std::make_unique<SizedEdit>(400));
    EXPECT_EQ(history.count(), 2u);
    EXPECT_EQ(history.sizeInBytes(), 800u);
    ASSERT_NE(history.undo(layout), nullptr);
    EXPECT_TRUE(history.isClean());  // still the saved step, one place down
    ASSERT_NE(history.undo(layout), nullptr);
    EXPECT_FALSE(history.canUndo());

    // When the saved step itself is forgotten no state is clean any more.
    history.setClean();
    for (int i = 0; i < 3; ++i) history.push(std::make_unique<SizedEdit>(400));
    while (history.canUndo()) history.undo(layout);
    EXPECT_FALSE(history.isClean());

    // One step larger than the cap is kept: it is the one just done.
    UndoHistory small(100);
    small.push(std::make_unique<SizedEdit>(400));
    small.push(std::make_unique<SizedEdit>(400));
    EXPECT_EQ(small.count(), 1u);
    EXPECT_TRUE(small.canUndo());
}

TEST(UndoHistory, ModifiedMarkFollowsTheSavedStep) {
    LayoutDocument doc(columnOfTen());
    CountingObserver seen;
    doc.addObserver(&seen);
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.undo());

    insertThroughDocument(doc, 0, 10, 0);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.last, LayoutChange::Lamps);
    EXPECT_EQ(doc.layout().lamps.size(), 11u);

    ASSERT_TRUE(doc.undo());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.layout(), columnOfTen());
    EXPECT_EQ(seen.calls, 2);

    ASSERT_TRUE(doc.redo());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.layout().lamps.size(), 11u);
    EXPECT_FALSE(doc.redo());

    // Saving makes this step the clean one; undoing past it is a change.
    doc.setModified(false);
    ASSERT_TRUE(doc.undo());
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.redo());
    EXPECT_FALSE(doc.isModified());

    // Marked modified by hand: no step counts as saved any more.
    doc.setModified(true);
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.redo());
    EXPECT_TRUE(doc.isModified());
}

TEST(UndoHistory, OneStrokeIsOneStepAndANewEditDropsTheRedoSteps) {
    LayoutDocument doc(columnOfTen());
    for (std::int32_t x = 1; x <= 5; ++x) insertThroughDocument(doc, x, 0, 7);
    doc.closeStep();
    EXPECT_EQ(doc.history().count(), 1u);
    EXPECT_EQ(doc.layout().lamps.size(), 15u);

    insertThroughDocument(doc, 6, 0, 7);  // same stroke number, but a new stroke
    EXPECT_EQ(doc.history().count(), 2u);
    insertThroughDocument(doc, 7, 0, 0);  // stroke 0 never merges
    insertThroughDocument(doc, 8, 0, 0);
    EXPECT_EQ(doc.history().count(), 4u);

    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout().lamps.size(), 15u);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout(), columnOfTen());
    EXPECT_FALSE(doc.isModified());

    ASSERT_TRUE(doc.redo());
    insertThroughDocument(doc, 0, 12, 0);
    EXPECT_EQ(doc.history().count(), 2u);
    EXPECT_FALSE(doc.history().canRedo());
}

TEST(UndoHistory, ASavedStateInsideAStrokeStaysReachable) {
    LayoutDocument doc(columnOfTen());
    insertThroughDocument(doc, 1, 0, 3);
    doc.setModified(false);
    insertThroughDocument(doc, 2, 0, 3);
    EXPECT_EQ(doc.history().count(), 2u);
    ASSERT_TRUE(doc.undo());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.layout().lamps.size(), 11u);
}

TEST(TransferDataEdit, RebuildsEffectLampsAndUndoGivesTheOldListBack) {
    auto layout = columnOfTen();
    layout.effectLamps.push_back(effectLampRecord(Lamp::made(9, 9, 0, 8)));
    const auto oldEffectLamps = layout.effectLamps;
    LayoutDocument doc(layout);
    CountingObserver seen;
    doc.addObserver(&seen);

    doc.apply(std::make_unique<TransferDataEdit>());
    EXPECT_EQ(doc.layout().effectLamps, transferredLamps(doc.layout().lamps));
    EXPECT_EQ(seen.last, LayoutChange::Effects);
    doc.apply(std::make_unique<TransferDataEdit>());
    EXPECT_EQ(doc.history().count(), 2u);  // two transfers are two steps

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout().effectLamps, transferredLamps(doc.layout().lamps));
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout().effectLamps, oldEffectLamps);
    EXPECT_EQ(doc.history().nextRedo()->textKey(), "ID_EDIT_PLAMP");
}

}  // namespace
}  // namespace vx
