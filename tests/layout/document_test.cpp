#include "layout/layout_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "layout/history/delete_lamp_edit.h"
#include "layout/history/insert_lamp_edit.h"
#include "layout/history/transfer_data_edit.h"
#include "layout/layout_file.h"
#include "layout/layout_json.h"
#include "platform/file_io.h"
#include "tests/layout/counting_observer.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using test::CountingObserver;
using TempDir = test::TempFolder;

TEST(LayoutDocument, SaveAsNeedsTwoLamps) {
    TempDir dir;
    LayoutDocument doc;
    doc.apply(std::make_unique<InsertLampEdit>(LatticeCell{0, 0}));
    auto refused = doc.saveAs(dir.path() / "SHOW.LED");
    ASSERT_TRUE(refused.ok());
    EXPECT_EQ(*refused, SaveOutcome::TooFewLamps);
    EXPECT_TRUE(fs::is_empty(dir.path()));

    doc.apply(std::make_unique<InsertLampEdit>(LatticeCell{0, 1}));
    EXPECT_TRUE(doc.isModified());
    auto saved = doc.saveAs(dir.path() / "SHOW.LED");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(*saved, SaveOutcome::Saved);
    EXPECT_EQ(doc.path(), dir.path() / "SHOW.LED");
    EXPECT_FALSE(doc.isModified());

    auto reopened = LayoutDocument::open(doc.path());
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ((*reopened)->layout(), doc.layout());
    EXPECT_TRUE((*reopened)->openedFromFile());
}

TEST(LayoutDocument, FailedSaveKeepsOldFileAndModifiedMark) {
    TempDir dir;
    LayoutDocument doc;
    for (int i = 0; i < 3; ++i) doc.apply(std::make_unique<InsertLampEdit>(LatticeCell{i, 0}));
    ASSERT_TRUE(doc.saveAs(dir.path() / "A.LED").ok());
    const auto before = readFileBytes(doc.path());
    ASSERT_TRUE(before.ok());

    doc.apply(std::make_unique<DeleteLampEdit>(LatticeCell{2, 0}));
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    auto result = doc.save();
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (::geteuid() != 0) {  // root may write anyway
        ASSERT_FALSE(result.ok());
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(*readFileBytes(doc.path()), *before);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(LayoutDocument, TheJsonFormOpensAsTheBinaryAndIsSavedInItsOwnForm) {
    TempDir dir;
    const auto binary = LayoutDocument::open(VEXOLUME_TEST_DATA "/layout/two_lamps.led");
    ASSERT_TRUE(binary.ok());
    ASSERT_TRUE(writeFileAtomically(dir.path() / "show.json", layoutToJson((*binary)->layout())));

    auto doc = LayoutDocument::open(dir.path() / "show.json");
    ASSERT_TRUE(doc.ok()) << doc.error().describe();
    EXPECT_EQ((*doc)->layout(), (*binary)->layout());
    EXPECT_TRUE((*doc)->isJsonForm());
    (*doc)->apply(std::make_unique<InsertLampEdit>(LatticeCell{7, 7}));
    ASSERT_TRUE((*doc)->save().ok());
    const auto text = readFileBytes(dir.path() / "show.json");
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(std::string(text->begin(), text->end()), layoutToJson((*doc)->layout()));

    ASSERT_TRUE((*doc)->saveAs(dir.path() / "show").ok());  // Save As names a binary file
    EXPECT_FALSE((*doc)->isJsonForm());
    EXPECT_EQ(*readFileBytes((*doc)->path()), encodeLayout((*doc)->layout()));
}

TEST(LayoutDocument, AnEndlessDeviceIsRefusedAfterTheLargestLayoutsSize) {
    auto endless = LayoutDocument::open("/dev/zero");
    ASSERT_FALSE(endless.ok());
    EXPECT_EQ(endless.error().key, "ERR_FILE_TOO_LARGE");
}

TEST(LayoutDocument, ObserversHearEveryChangeUntilRemoved) {
    LayoutDocument doc;
    CountingObserver a;
    CountingObserver b;
    doc.addObserver(&a);
    doc.addObserver(&b);
    doc.addObserver(&a);
    doc.apply(std::make_unique<InsertLampEdit>(LatticeCell{0, 0}));
    doc.removeObserver(&b);
    doc.apply(std::make_unique<TransferDataEdit>());
    EXPECT_EQ(a.calls, 2);
    EXPECT_EQ(a.last, LayoutChange::Effects);
    EXPECT_EQ(b.calls, 1);
}

}  // namespace
}  // namespace vx
