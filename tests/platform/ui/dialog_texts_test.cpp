#include "platform/ui/dialog_texts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "tests/support/qt_app.h"

namespace vx {
namespace {

TEST(DialogTexts, TitleAndControlsWithTextsChangeOthersKeepTheirCaptions) {
    test::qtApplication();
    const LanguageTable table = LanguageTable::fromText("[String]\n"
                                                        "IDD176_Title=Ports\n"
                                                        "IDD176_1100=Port\\nnumber:\n"
                                                        "IDD176_1005=&Add\n"
                                                        "IDD176_1200=Options\n"
                                                        "IDD176_1006=\n"
                                                        "IDD177_1312=other dialog\n");
    QDialog dialog;
    dialog.setWindowTitle("Port Edit");
    auto* layout = new QVBoxLayout(&dialog);
    auto* box = new QGroupBox("Box");
    auto* boxLayout = new QVBoxLayout(box);
    auto* label = new QLabel("Cport 1-12:");
    auto* edit = new QLineEdit("3");
    auto* add = new QPushButton("add");
    auto* insert = new QCheckBox("insert");
    auto* remove = new QPushButton("delete");
    auto* unnumbered = new QPushButton("Cancel");
    boxLayout->addWidget(add);
    boxLayout->addWidget(insert);
    for (QWidget* w : std::initializer_list<QWidget*>{label, edit, box, remove, unnumbered}) {
        layout->addWidget(w);
    }
    setControlId(label, 1100);
    setControlId(box, 1200);
    setControlId(add, 1005);
    setControlId(insert, 1006);
    setControlId(remove, 1312);

    ApplyDialogTexts(&dialog, 176, table);
    EXPECT_EQ(dialog.windowTitle(), "Ports");
    EXPECT_EQ(label->text(), "Port\\nnumber:");  // no line break in dialog texts
    EXPECT_EQ(edit->text(), "3");
    EXPECT_EQ(box->title(), "Options");
    EXPECT_EQ(add->text(), "&Add");
    EXPECT_EQ(insert->text(), "insert");  // empty value keeps the caption
    EXPECT_EQ(remove->text(), "delete");  // key of another dialog
    EXPECT_EQ(unnumbered->text(), "Cancel");

    ApplyDialogTexts(&dialog, 175, table);  // nothing for this dialog
    EXPECT_EQ(dialog.windowTitle(), "Ports");
}

}  // namespace
}  // namespace vx
