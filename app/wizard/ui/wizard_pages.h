#pragma once
// The wizard's four pages (dialogs 1345, 1340, 1341, 1342) as plain widgets
// over a WizardSession and the layout it builds. Every caption carries its
// control id, so the desktop program puts the current language on them; the
// names of styles and program groups come through `TextLookup`. The pages
// say what the user asked for by signals and leave showing the neighbouring
// pages, the view and the demo to their owner.

#include <QDialog>

#include <functional>
#include <string>

#include "app/wizard/wizard_session.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace vx {

class StylePreview;

using TextLookup = std::function<QString(const std::string& key)>;

class WizardStartPage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 1345;
    explicit WizardStartPage(QWidget* parent = nullptr);
Q_SIGNALS:
    void nextRequested();
};

class WizardShapePage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 1340;
    WizardShapePage(WizardSession& session, LampLayout& layout, QWidget* parent = nullptr);

    QSpinBox* columnsField() const { return columns_; }
    QSpinBox* rowsField() const { return rows_; }
    QCheckBox* fillBox() const { return fill_; }
    QComboBox* portBox() const { return port_; }
    QLineEdit* totalField() const { return total_; }
    QPushButton* button(int control) const;

Q_SIGNALS:
    void layoutEdited();     // lamps or modes changed
    void addRequested();     // the owner puts the view into insert mode
    void deleteRequested();  // ... or delete mode
    void nextRequested();    // step 2
    void finishRequested();
    void backRequested();

private:
    void showShape();

    WizardSession& session_;
    LampLayout& layout_;
    QSpinBox* columns_;
    QSpinBox* rows_;
    QCheckBox* fill_;
    QComboBox* port_;
    QLineEdit* total_;
};

class WizardStylesPage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 1341;
    WizardStylesPage(WizardSession& session, LampLayout& layout, TextLookup text,
                     QWidget* parent = nullptr);

    QListWidget* styleList() const { return styles_; }
    QTreeWidget* programTree() const { return tree_; }
    QLineEdit* description() const { return description_; }
    StylePreview* preview() const { return preview_; }
    QPushButton* button(int control) const;

Q_SIGNALS:
    void layoutEdited();
    void backRequested();
    void nextRequested();

private:
    void insertStyle();
    void removeStyle();
    // The program group an item stands for: its own, or its parent's.
    int groupOf(QTreeWidgetItem* item) const;

    WizardSession& session_;
    LampLayout& layout_;
    TextLookup text_;
    QListWidget* styles_;
    QTreeWidget* tree_;
    QLineEdit* description_;
    StylePreview* preview_;
};

class WizardReportPage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialog = 1342;
    WizardReportPage(const WizardSession& session, const LampLayout& layout, TextLookup text,
                     QWidget* parent = nullptr);

    QListWidget* report() const { return report_; }
    bool startDemo() const;
    QRadioButton* endChoice(int control) const;
    QPushButton* button(int control) const;

Q_SIGNALS:
    void finishRequested(bool startDemo);
    void backRequested();

private:
    QListWidget* report_;
    QRadioButton* demo_;
    QRadioButton* edit_;
};

}  // namespace vx
