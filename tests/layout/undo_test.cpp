#include <gtest/gtest.h>

#include <memory>

#include "layout/history/lamp_list_edit.h"
#include "layout/history/transfer_data_edit.h"
#include "layout/lamp_editing.h"
#include "layout/layout_document.h"
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
    LampLayout after = doc.layout();
    if (!insertLampAt(after, x, y)) return;
    doc.apply(std::make_unique<LampListEdit>(doc.layout().lamps, after.lamps, "ID_EDIT_INSERT",
                                             stroke));
}

using test::CountingObserver;

TEST(LampEditing, InsertKeepsNumbersDenseInColumnOrder) {
    auto layout = columnOfTen();
    EXPECT_TRUE(insertLampAt(layout, 0, 10));
    EXPECT_EQ(layout.lamps.back().number, 10);
    EXPECT_EQ(layout.lamps.back().colour, kGreen);
    EXPECT_EQ(layout.lamps.back().diameter, 8);

    auto layout2 = columnOfTen();
    EXPECT_TRUE(insertLampAt(layout2, 1, 0));
    EXPECT_EQ(layout2.lamps.back().number, 10);

    // Inside the column: the new lamp takes the number of the lamp it goes
    // before, and every lamp behind moves up.
    auto layout3 = columnOfTen();
    layout3.lamps.erase(layout3.lamps.begin() + 4);
    for (std::size_t i = 4; i < layout3.lamps.size(); ++i) --layout3.lamps[i].number;
    EXPECT_TRUE(insertLampAt(layout3, 0, 4));
    EXPECT_EQ(layout3, columnOfTen());

    EXPECT_FALSE(insertLampAt(layout3, 0, 4));  // occupied: nothing happens
    EXPECT_EQ(layout3, columnOfTen());

    LampLayout empty;
    EXPECT_TRUE(insertLampAt(empty, 3, 5));
    EXPECT_EQ(empty.lamps.at(0).number, 0);
}

TEST(LampEditing, DeleteRenumbersAndLeavesThePortChainWithoutGaps) {
    auto layout = columnOfTen();
    EXPECT_TRUE(deleteLampsAt(layout, 0, 0));
    EXPECT_EQ(numbers(layout), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(layout.lamps.front().y, 1);

    auto last = columnOfTen();
    EXPECT_TRUE(deleteLampsAt(last, 0, 9));
    EXPECT_EQ(numbers(last), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(deleteLampsAt(last, 5, 5));  // empty cell

    auto wired = columnOfTen();
    for (std::int32_t i = 0; i < 3; ++i) {
        wired.lamps[static_cast<std::size_t>(i)].port = 2;
        wired.lamps[static_cast<std::size_t>(i)].portOrder = i + 1;
    }
    EXPECT_TRUE(deleteLampsAt(wired, 0, 0));
    EXPECT_EQ(wired.lamps[0].portOrder, 1);
    EXPECT_EQ(wired.lamps[1].portOrder, 2);

    auto roundTrip = columnOfTen();
    ASSERT_TRUE(insertLampAt(roundTrip, 3, 2));
    ASSERT_TRUE(deleteLampsAt(roundTrip, 3, 2));
    EXPECT_EQ(roundTrip, columnOfTen());
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

    // A change outside the history can never be undone to "saved".
    doc.changed(LayoutChange::Settings);
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.redo());
    EXPECT_TRUE(doc.isModified());
    doc.removeObserver(&seen);
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

    doc.apply(std::make_unique<TransferDataEdit>(doc.layout()));
    EXPECT_EQ(doc.layout().effectLamps, doc.layout().lamps);
    EXPECT_EQ(seen.last, LayoutChange::Effects);
    doc.apply(std::make_unique<TransferDataEdit>(doc.layout()));
    EXPECT_EQ(doc.history().count(), 2u);  // two transfers are two steps

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout().effectLamps, doc.layout().lamps);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.layout().effectLamps, oldEffectLamps);
    EXPECT_EQ(doc.history().nextRedo()->textKey(), "ID_EDIT_PLAMP");
    doc.removeObserver(&seen);
}

}  // namespace
}  // namespace vx
