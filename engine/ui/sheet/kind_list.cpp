#include "engine/ui/sheet/kind_list.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

#include "effects/kind_shape.h"
#include "engine/ui/sheet/page_widgets.h"

namespace vx {
namespace {

constexpr int kGap = 12;  // pels between the identifier column and the name

// Draws an entry as usual, then its readable name in a second column that
// starts after the longest identifier of the list.
class KindNameDelegate : public QStyledItemDelegate {
public:
    explicit KindNameDelegate(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QString name = index.data(kKindNameRole).toString();
        if (name.isEmpty()) return;
        QRect at = option.rect.adjusted(column(option.fontMetrics), 0, -2, 0);
        if (at.width() <= 0) return;
        painter->save();
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                 : option.palette.color(QPalette::PlaceholderText));
        painter->drawText(at, Qt::AlignVCenter | Qt::AlignLeft,
                          option.fontMetrics.elidedText(name, Qt::ElideRight, at.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString name = index.data(kKindNameRole).toString();
        if (!name.isEmpty()) {
            size.setWidth(column(option.fontMetrics) + option.fontMetrics.horizontalAdvance(name) +
                          kGap);
        }
        return size;
    }

private:
    int column(const QFontMetrics& metrics) const {
        int widest = 0;
        for (int i = 0; i < list_->count(); ++i) {
            widest = std::max(widest, metrics.horizontalAdvance(list_->item(i)->text()));
        }
        return widest + 2 * kGap;
    }

    QListWidget* list_;
};

}  // namespace

void fillKindList(QListWidget* list, std::span<const std::string_view> kinds,
                  const LanguageTable& table) {
    list->clear();
    for (const std::string_view kind : kinds) {
        auto* item = new QListWidgetItem(fromUtf8(kind), list);
        const std::string key = kinds::kindNameKey(kind);
        if (key.empty()) continue;
        const QString name = QString::fromStdString(table.LookUpText(key));
        item->setData(kKindNameRole, name);
        item->setToolTip(name);
    }
    if (dynamic_cast<KindNameDelegate*>(list->itemDelegate()) == nullptr) {
        list->setItemDelegate(new KindNameDelegate(list));
    }
    // Wide enough for identifier and name side by side, within reason.
    list->setMinimumWidth(std::min(list->sizeHintForColumn(0) + 32, 400));
}

}  // namespace vx
