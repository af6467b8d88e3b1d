#pragma once
// "CM_CIRCULAR_AREA": the centre (view pixels, picked on the effect view),
// the radius (cells) and the kind that plays inside the circle. Modeless;
// made once and reused.

#include <QDialog>

#include <functional>

#include "engine/ui/sheet/sheet_context.h"

class QLineEdit;
class QListWidget;

namespace vx {

class CircularAreaDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 1332;

    CircularAreaDialog(SheetContext& context, QWidget* parent = nullptr);

    // Shows the dialog for a new circle mode, or for the sheet's current mode
    // opened with "&Edit" (its values and inner kind selected).
    void open(bool forEdit);
    // "OK": false, with a message, when no kind is selected.
    bool commit();
    // A point picked on the effect view becomes the centre.
    void centrePicked(int x, int y);

    QLineEdit* xField() const { return x_; }
    QLineEdit* yField() const { return y_; }
    QLineEdit* radiusField() const { return radius_; }
    QListWidget* kindList() const { return kinds_; }

    // Called after a successful commit (the sheet goes on to the colour page).
    std::function<void()> committed;

private:
    SheetContext& ctx_;
    bool forEdit_ = false;
    QLineEdit* x_;
    QLineEdit* y_;
    QLineEdit* radius_;
    QListWidget* kinds_;
};

}  // namespace vx
