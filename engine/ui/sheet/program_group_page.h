#pragma once
// Page 4, "Define Program Group": the 32 programs on the left, the defined
// modes ("Exist Mode") on the right. Modes are dragged into programs; the
// document's programs change only on "&Save".

#include <QTreeWidget>
#include <QWidget>

#include "effects/program_tree.h"
#include "engine/ui/sheet/sheet_context.h"

namespace vx {

// The left tree: accepts "Exist Mode" items dropped on a program item (or
// on one of its entries).
class ProgramTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
    // Called with the program index and the dropped entry texts.
    std::function<void(std::size_t, const QStringList&)> dropped;
    // The program item an item belongs to; -1 for the root.
    static int programOf(const QTreeWidgetItem* item);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class ProgramGroupPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialog = 107;

    ProgramGroupPage(SheetContext& context, QWidget* parent = nullptr);

    // Builds both trees from the document ("&Reset", "Refresh(&R)", on
    // opening); an empty ModeList empties every program.
    void rebuild();
    void insertAll();
    void removeAll();
    void save();
    // Puts "Exist Mode" entries under program n (a drop).
    void dropOn(std::size_t program, const QStringList& entries);
    // "Delete(&D)": removes the selected entry item from its program.
    void removeSelectedEntry();

    const ProgramTree& tree() const { return tree_; }
    ProgramTreeWidget* programTree() const { return left_; }
    QTreeWidget* modeTree() const { return right_; }

private:
    void showTree();
    QTreeWidgetItem* entryItem(QTreeWidgetItem* parent, const std::string& text);
    void contextMenu(QTreeWidget* tree, const QPoint& at);

    SheetContext& ctx_;
    ProgramTree tree_;
    ProgramTreeWidget* left_;
    QTreeWidget* right_;
};

}  // namespace vx
