#include "layout/ports.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "layout/port_table.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

Lamp lampOn(std::int32_t number, std::int32_t port, std::int32_t order) {
    Lamp lamp = Lamp::made(number, 0, number, 8);
    if (port > 0) {
        lamp.port = port;
        lamp.portOrder = order;
        lamp.color = portColor(port);
    }
    return lamp;
}

std::vector<std::int32_t> orders(const std::vector<Lamp>& lamps) {
    std::vector<std::int32_t> result;
    for (const Lamp& lamp : lamps) result.push_back(lamp.portOrder);
    return result;
}

std::vector<Lamp> applied(std::vector<Lamp> lamps, const std::optional<PortEdit>& edit) {
    if (edit) applyLampChanges(lamps, edit->changes);
    return lamps;
}

TEST(PortColors, LampsOnNoPortOrAnUnknownOneAreGreen) {
    EXPECT_EQ(portColor(0), kGreen);
    EXPECT_EQ(portColor(13), kGreen);
}

TEST(PortAdd, AppendsAfterHighestOrderAndRefusesWiredLamps) {
    std::vector<Lamp> lamps = {lampOn(0, 2, 1), lampOn(1, 2, 2), lampOn(2, 0, 0), lampOn(3, 5, 1)};
    PortEditState state{2, 0, 0};

    const auto edit = addLampToPort(lamps, 2, state);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->state.highestOrder, 2);
    lamps = applied(lamps, edit);
    EXPECT_EQ(lamps[2].port, 2);
    EXPECT_EQ(lamps[2].portOrder, 3);
    EXPECT_EQ(lamps[2].color, 0xFF0000u);

    EXPECT_FALSE(addLampToPort(lamps, 3, state));      // already on port 5
    EXPECT_FALSE(addLampToPort(lamps, 9, state));      // no such lamp
    EXPECT_FALSE(addLampToPort(lamps, 2, {0, 0, 0}));  // no port chosen

    // A remembered highest order larger than the chain's wins.
    lamps.push_back(lampOn(4, 0, 0));
    const auto late = addLampToPort(lamps, 4, {2, 0, 7});
    ASSERT_TRUE(late);
    EXPECT_EQ(late->changes.back().lamp.portOrder, 8);
}

TEST(PortInsert, AtFrontThenOneAfterAnother) {
    std::vector<Lamp> lamps = {lampOn(0, 1, 1), lampOn(1, 1, 2), lampOn(2, 1, 3), lampOn(3, 0, 0),
                               lampOn(4, 0, 0)};
    PortEditState state{1, 0, 0};
    const auto first = insertLampIntoPort(lamps, 3, state);
    ASSERT_TRUE(first);
    lamps = applied(lamps, first);
    EXPECT_EQ(orders(lamps), (std::vector<std::int32_t>{2, 3, 4, 1, 0}));
    EXPECT_EQ(first->state.insertAfter, 1);

    const auto second = insertLampIntoPort(lamps, 4, first->state);
    ASSERT_TRUE(second);
    lamps = applied(lamps, second);
    EXPECT_EQ(orders(lamps), (std::vector<std::int32_t>{3, 4, 5, 1, 2}));
    EXPECT_EQ(second->state.insertAfter, 2);
    EXPECT_EQ(lamps[4].color, portColor(1));
}

TEST(PortInsert, PastTheEndAppends) {
    std::vector<Lamp> lamps = {lampOn(0, 4, 1), lampOn(1, 4, 2), lampOn(2, 0, 0)};
    const auto edit = insertLampIntoPort(lamps, 2, {4, 2, 0});
    ASSERT_TRUE(edit);
    ASSERT_EQ(edit->changes.size(), 1u);
    EXPECT_EQ(edit->changes[0].lamp.portOrder, 3);
    EXPECT_EQ(edit->state.insertAfter, 3);
    EXPECT_FALSE(insertLampIntoPort(lamps, 0, {4, 0, 0}));
}

TEST(PortRemove, ClosesTheGapOnThatPortOnly) {
    std::vector<Lamp> lamps;
    for (std::int32_t i = 0; i < 5; ++i) lamps.push_back(lampOn(i, 3, i + 1));
    lamps.push_back(lampOn(5, 6, 4));
    const auto edit = removeLampFromPort(lamps, 1, {0, 0, 0});
    ASSERT_TRUE(edit);
    lamps = applied(lamps, edit);
    EXPECT_EQ(orders(lamps), (std::vector<std::int32_t>{1, 0, 2, 3, 4, 4}));
    EXPECT_EQ(lamps[1].port, 0);
    EXPECT_EQ(lamps[1].color, kGreen);
    EXPECT_FALSE(removeLampFromPort(lamps, 6, {}));
}

TEST(PortEditing, PanelDialogAndDragAlongAChain) {
    PortEditState state = choosePort({0, 0, 5}, 4);
    EXPECT_EQ(state.currentPort, 4);
    EXPECT_EQ(state.highestOrder, 0);
    EXPECT_EQ(proposedDialogPort({}), 1);
    EXPECT_EQ(proposedDialogPort(state), 5);

    state = chooseInsertPosition(state, 3);
    EXPECT_EQ(state.operation, PortOperation::Insert);
    EXPECT_EQ(state.insertAfter, 2);

    // Remove keeps the port and position; add takes the port only.
    PortEditState removing = acceptPortDialog(state, PortOperation::Remove, 9, 7);
    EXPECT_EQ(removing.currentPort, 4);
    EXPECT_EQ(removing.insertAfter, 2);
    PortEditState adding = acceptPortDialog(state, PortOperation::Add, 9, 7);
    EXPECT_EQ(adding.currentPort, 9);
    EXPECT_EQ(adding.insertAfter, 2);
    PortEditState inserting = acceptPortDialog(state, PortOperation::Insert, 9, 7);
    EXPECT_EQ(inserting.insertAfter, 7);

    // Dragging over free lamps wires them one after another.
    std::vector<Lamp> lamps = {lampOn(0, 0, 0), lampOn(1, 0, 0), lampOn(2, 0, 0)};
    PortEditState drag = chooseOperation(choosePort({}, 2), PortOperation::Add);
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        const auto edit = portClick(lamps, i, drag);
        ASSERT_TRUE(edit);
        applyLampChanges(lamps, edit->changes);
        drag = edit->state;
    }
    EXPECT_EQ(orders(lamps), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_FALSE(portClick(lamps, 0, drag));  // already wired
    EXPECT_FALSE(portClick(lamps, 0, chooseOperation(drag, PortOperation::None)));
    EXPECT_TRUE(portClick(lamps, 0, chooseOperation(drag, PortOperation::Remove)));
}

TEST(PortLookup, FirstLampOnCellAndHighestOrder) {
    std::vector<Lamp> lamps = {lampOn(0, 1, 4), lampOn(1, 1, 9), lampOn(2, 2, 1)};
    lamps[2].x = 0;  // shares the cell of lamp 0
    EXPECT_EQ(lampAtCell(lamps, 0, 0), 0u);
    EXPECT_EQ(lampAtCell(lamps, 1, 0), 1u);
    EXPECT_FALSE(lampAtCell(lamps, 5, 5));
    EXPECT_EQ(highestPortOrder(lamps, 1), 9);
    EXPECT_EQ(highestPortOrder(lamps, 7), 0);
}

TEST(PortTable, ChainsInOrderABreakAfterOrderTenAndDuplicateOrders) {
    // Lamps numbered 7, 3 and 12 at orders 1, 2 and 3 of port 1.
    const std::vector<Lamp> lamps = {lampOn(3, 1, 2), lampOn(5, 0, 0), lampOn(12, 1, 3),
                                     lampOn(7, 1, 1)};
    EXPECT_EQ(portTableText(lamps), test::dataText("layout/cport_example.h"));
    EXPECT_EQ(portTableText({}), portTableText({lampOn(1, 0, 0)}));

    std::vector<Lamp> chains;
    for (std::int32_t i = 0; i < 10; ++i) chains.push_back(lampOn(100 + i, 2, i + 1));
    chains.insert(chains.end(), {lampOn(5, 12, 2), lampOn(4, 12, 1), lampOn(0, 12, 2)});
    EXPECT_EQ(portTableText(chains), test::dataText("layout/cport_ten_and_duplicate.h"));
}

TEST(PortTable, WritesFileAndReportsFailure) {
    test::ScratchDir dir("ports");
    std::vector<Lamp> lamps = {lampOn(3, 1, 2), lampOn(12, 1, 3), lampOn(7, 1, 1)};
    ASSERT_TRUE(writePortTable(lamps, dir.path()));
    EXPECT_EQ(test::fileText(dir.path() / "cport.h"), test::dataText("layout/cport_example.h"));

    const Status failed = writePortTable(lamps, dir.path() / "missing" / "folder");
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().key, "EDITIMAGEDOC_ONCPORTOUT_CFCF");
}

}  // namespace
}  // namespace vx
