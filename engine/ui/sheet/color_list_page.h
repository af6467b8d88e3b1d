#pragma once
// Page 1, "ColorList": builds the colour group of the current mode from
// picked colours, gradients and the named groups of "ColorData.sav", and
// stores it in the mode ("Sa&ve Color").

#include <QWidget>

#include <vector>

#include "effects/color_data_file.h"
#include "engine/ui/sheet/sheet_context.h"

class QLineEdit;
class QListWidget;

namespace vx {

class ColorListPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialog = 108;
    static constexpr int kNameDialog = 177;

    ColorListPage(SheetContext& context, QWidget* parent = nullptr);

    // Shows the current mode's kind and hint (on every visit of the page).
    void activate();

    const std::vector<Rgb>& colors() const { return colors_; }
    QListWidget* colorList() const { return list_; }
    QListWidget* groupNames() const { return names_; }
    QLineEdit* hint() const { return hint_; }
    int startMark() const { return start_; }
    int endMark() const { return end_; }

    void addColor();
    void insertColor();
    void removeSingle();
    void removeAll();
    void markStart();
    void markEnd();
    void deleteMarked();
    void gradient();
    void showModeColors();
    void saveColors();
    void addGroup();
    void outputGroup();
    void inputGroup();
    void clearGroup();
    // The "Color Group" names from the library file as it is now.
    void reloadNames();

private:
    void setColors(std::vector<Rgb> colors);
    bool writeFile(const ColorDataFile& file);
    std::optional<ColorDataFile> readFile();

    SheetContext& ctx_;
    std::vector<Rgb> colors_;
    int start_ = -1;
    int end_ = -1;
    QListWidget* list_;
    QListWidget* names_;
    QLineEdit* hint_;
};

}  // namespace vx
