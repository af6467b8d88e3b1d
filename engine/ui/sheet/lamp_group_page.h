#pragma once
// Page 2, "GroupList": assembles the lamp list (Cluster) or the list of
// lamp lists (ClusterGroup) of a custom or word mode from lamps clicked on
// the effect view, and stores it in the document's tables.

#include <QWidget>

#include "engine/ui/sheet/sheet_context.h"

class QListWidget;

namespace vx {

class ClusterPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialog = 111;

    ClusterPage(SheetContext& context, QWidget* parent = nullptr);

    // Shows the buffers again (after picking, on every visit).
    void refresh();
    // A lamp clicked on the effect view in the picking mode set here.
    void lampPicked(std::uint32_t lamp, PickKind pick);

    QListWidget* lampList() const { return lamps_; }
    QListWidget* groupList() const { return groups_; }

    void addLamps();
    void insertLamps();
    void deleteLamps();
    void inputGroup();
    void newGroup();
    void show();
    void addGroup();
    void insertGroup();
    void deleteGroup();
    void inputGroupGroup();
    void openGroup();

private:
    bool usesCluster() const;
    bool usesClusterGroup() const;
    std::int32_t internCluster(const UintList& list);

    SheetContext& ctx_;
    QListWidget* lamps_;
    QListWidget* groups_;
};

}  // namespace vx
