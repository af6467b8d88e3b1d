#pragma once
// A mode editing sheet over a small lattice of lamps, headless, with the
// user's answers scripted: messages are recorded, colours come from a queue
// and modal dialogs are filled in by the test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/sheet/mode_sheet_dialog.h"
#include "platform/language/language_table.h"
#include "tests/support/bundled_table.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

namespace vx::test {

inline constexpr int kLatticeColumns = 10;
inline constexpr int kLatticeRows = 6;

// Lamps on a 10 x 6 lattice, numbered in column order, handed to the effects.
inline LampLayout latticeLayout() {
    LampLayout layout;
    std::int32_t n = 0;
    for (std::int32_t x = 0; x < kLatticeColumns; ++x) {
        for (std::int32_t y = 0; y < kLatticeRows; ++y) {
            Lamp lamp;
            lamp.x = x;
            lamp.y = y;
            lamp.number = n++;
            layout.lamps.push_back(lamp);
        }
    }
    layout.effectLamps = transferredLamps(layout.lamps);
    return layout;
}

class SheetTest : public ::testing::Test {
protected:
    SheetTest() {
        qtApplication();
        table_ = bundledTable();
        document_ = std::make_unique<LayoutDocument>(latticeLayout());
        SheetHooks hooks;
        hooks.message = [this](std::string_view key) { messages.emplace_back(key); };
        hooks.confirm = [this](std::string_view key) {
            messages.emplace_back(key);
            return true;
        };
        hooks.pickColor = [this]() -> std::optional<Rgb> {
            if (picks.empty()) return std::nullopt;
            const Rgb c = picks.front();
            picks.pop_front();
            return c;
        };
        hooks.runDialog = [this](QDialog& dialog) {
            return fillDialog && fillDialog(dialog) ? QDialog::Accepted : QDialog::Rejected;
        };
        sheet_ = std::make_unique<ModeSheetDialog>(*document_, table_, std::move(hooks));
        sheet_->setCellSize(4);
        sheet_->setColorDataFile(folder_.path() / "ColorData.sav");
    }

    const EffectData& effects() const { return document_->layout().effects; }
    std::string lastMessage() const { return messages.empty() ? "" : messages.back(); }

    std::vector<std::string> messages;
    std::deque<Rgb> picks;  // what the colour picker answers, in turn
    std::function<bool(QDialog&)> fillDialog;
    TempFolder folder_;
    LanguageTable table_;
    std::unique_ptr<LayoutDocument> document_;
    std::unique_ptr<ModeSheetDialog> sheet_;
};

}  // namespace vx::test
