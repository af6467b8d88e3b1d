#pragma once
// Page 0, "ModeList": the ModeList of the document and the 70 kinds offered
// for new modes, with the buttons that add, insert, edit, delete, copy and
// paste modes and set the preview range.

#include <QWidget>

#include "engine/ui/sheet/sheet_context.h"

class QLabel;
class QListWidget;

namespace vx {

class CircularAreaDialog;
class KindPreview;

class ModeListPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialog = 109;

    ModeListPage(SheetContext& context, QWidget* parent = nullptr);

    // Fills "Mode List" from the document again, keeping the selection.
    void refresh();

    QListWidget* modeList() const { return modes_; }
    QListWidget* kindList() const { return kinds_; }
    QLabel* infoText() const { return info_; }
    KindPreview* preview() const { return preview_; }
    CircularAreaDialog* circleDialog();

    void add();
    void insert();
    void remove();
    void edit();
    void copy();
    void paste();
    void markStart();
    void markEnd();

private:
    void kindSelected();
    std::string selectedKind() const;
    std::vector<std::size_t> selectedModes() const;
    void openCircleDialog(bool forEdit);

    SheetContext& ctx_;
    QListWidget* modes_;
    QListWidget* kinds_;
    QLabel* info_;
    KindPreview* preview_;
    CircularAreaDialog* circle_ = nullptr;
};

}  // namespace vx
