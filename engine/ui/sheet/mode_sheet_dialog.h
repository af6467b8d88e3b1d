#pragma once
// "IDD_LED_MODE": the modeless sheet beside the effect view with the pages
// ModeList, ColorList, GroupList, Mode Parameter and Define Program Group.
// While the user picks cells on the effect view it steps aside; the view
// hands the picks to it and, on a double click, brings it back at the page
// that asked.

#include <QDialog>

#include <memory>

#include "engine/ui/sheet/sheet_context.h"

class QTabWidget;

namespace vx {

class ColorListPage;
class ClusterPage;
class ModeListPage;
class ModeParameterPage;
class ProgramGroupPage;

class ModeSheetDialog : public QDialog, private LayoutObserver {
    Q_OBJECT
public:
    // The document must outlive the sheet. `hooks` answer the pages' questions.
    ModeSheetDialog(LayoutDocument& document, const LanguageTable& table, SheetHooks hooks,
                    QWidget* parent = nullptr);
    ~ModeSheetDialog() override;

    SheetContext& context() { return ctx_; }
    void setCellSize(int cellSize) { ctx_.cellSize = cellSize < 1 ? 1 : cellSize; }
    void setColorDataFile(const std::filesystem::path& file);

    void showPage(SheetPage page);
    SheetPage currentPage() const;

    // Picking on the effect view.
    PickKind picking() const { return pick_; }
    void pointPicked(int x, int y);
    void areaPicked(int left, int top, int right, int bottom);
    void lampPicked(std::uint32_t lamp);
    // The double click: picking ends and the sheet returns.
    void endPicking();

    ModeListPage* modeListPage() const { return modeList_; }
    ColorListPage* colorListPage() const { return colorList_; }
    ClusterPage* clusterPage() const { return clusterPage_; }
    ModeParameterPage* parameterPage() const { return parameters_; }
    ProgramGroupPage* programGroupPage() const { return programs_; }

Q_SIGNALS:
    // The sheet stepped aside; the effect view starts picking `kind`.
    void pickRequested(vx::PickKind kind);
    void pickEnded();

private:
    void layoutChanged(LayoutChange change) override;
    void pageShown(int index);
    void stepAside(PickKind kind, SheetPage page);

    SheetContext ctx_;
    QTabWidget* tabs_;
    ModeListPage* modeList_;
    ColorListPage* colorList_;
    ClusterPage* clusterPage_;
    ModeParameterPage* parameters_;
    ProgramGroupPage* programs_;
    PickKind pick_ = PickKind::None;
    SheetPage askingPage_ = SheetPage::Modes;
};

}  // namespace vx
