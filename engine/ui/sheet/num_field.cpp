#include "engine/ui/sheet/num_field.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace vx {

NumField::NumField(QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        arrows->addWidget(b);
    }
    row->addLayout(arrows);
    edit_->setText(QString::fromStdString(model_.text()));
    connect(edit_, &QLineEdit::textEdited, this, &NumField::edited);
    connect(up, &QToolButton::clicked, this, [this] { spin(1); });
    connect(down, &QToolButton::clicked, this, [this] { spin(-1); });
}

bool NumField::setValue(float v) {
    if (!model_.setValue(v)) return false;
    edit_->setText(QString::fromStdString(model_.text()));
    return true;
}

void NumField::spin(int clicks) {
    position_.step(clicks);
    if (model_.spin(clicks)) edit_->setText(QString::fromStdString(model_.text()));
}

void NumField::edited(const QString& text) {
    if (text.contains(' ')) {
        edit_->setText(QString::fromStdString(model_.text()));
        return;
    }
    if (!model_.type(text.toStdString())) {
        // Back to the text before the keystroke, all of it selected.
        edit_->setText(QString::fromStdString(model_.text()));
        edit_->selectAll();
    }
}

}  // namespace vx
