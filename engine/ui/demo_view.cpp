#include "engine/ui/demo_view.h"

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "engine/ui/effect_painter.h"
#include "layout/picture/picture_decoder.h"

namespace vx {

namespace {

QColor colorOf(ColorWord c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The picture as the layout view and scan read it: through the same bounded
// reader and size limits. A picture that cannot be read is not drawn.
QImage loadPicture(const QString& path) {
    const auto picture = readPicture(path.toStdString());
    if (!picture) return {};
    return QImage(picture->rgb.data(), picture->width, picture->height, picture->width * 3,
                  QImage::Format_RGB888)
        .copy();
}

}  // namespace

DemoView::DemoView(std::shared_ptr<DemoDocument> document, QWidget* parent)
    : QWidget(parent),
      document_(std::move(document)),
      player_(document_->effects(), document_->lamps().size()) {
    document_->addObserver(this);
    setMouseTracking(true);
    connect(&player_, &DemoPlayer::advanced, this, qOverload<>(&QWidget::update));
    connect(&player_, &DemoPlayer::modeBegan, this,
            [this](int position, const QString& kind, const QString& label) {
                // A label that only repeats the kind is not said twice.
                Q_EMIT statusTexts(texts_.modeStatus.arg(position).arg(kind),
                                   label == kind ? QString() : label);
            });
    connect(&player_, &DemoPlayer::ended, this,
            [this] { Q_EMIT statusTexts(texts_.ended, QString()); });
}

DemoView::~DemoView() {
    player_.stop();
    document_->removeObserver(this);
}

void DemoView::setRoundLamps(bool round) {
    roundLamps_ = round;
    update();
}

void DemoView::startDemo() {
    player_.stop();
    document_->start();
}

void DemoView::selectProgramGroup(int k) {
    player_.stop();
    document_->selectProgramGroup(k);
}

std::vector<std::uint8_t> DemoView::saveBmpParameters() {
    return document_->saveBmpParameters(width(), height());
}

void DemoView::demoChanged() { update(); }

void DemoView::setTexts(Texts texts) {
    texts_ = std::move(texts);
    update();
}

void DemoView::paintAdjustHint(QPainter& painter, QSize client) {
    if (texts_.adjustHint.isEmpty()) return;
    // A band along the bottom edge, over whatever lies there.
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect textArea(8, 0, client.width() - 16, client.height());
    const QRect needed = metrics.boundingRect(textArea, Qt::TextWordWrap, texts_.adjustHint);
    const QRect band(0, client.height() - needed.height() - 12, client.width(),
                     needed.height() + 12);
    painter.fillRect(band, QColor(0, 0, 0, 190));
    painter.setPen(Qt::white);
    painter.drawText(band.adjusted(8, 6, -8, -6), Qt::TextWordWrap | Qt::AlignLeft,
                     texts_.adjustHint);
}

void DemoView::paintPicture(QPainter& painter) {
    const QString path = QString::fromStdString(document_->picturePath());
    if (path.isEmpty()) return;
    if (path != picturePath_) {
        picturePath_ = path;
        picture_ = loadPicture(path);
        scaledFor_ = 0.0;
    }
    if (picture_.isNull()) return;
    const PicturePlacement& at = document_->picture();
    if (scaled_.isNull() || scaledFor_ != at.scale) {
        const int w = static_cast<int>(picture_.width() * at.scale);
        const int h = static_cast<int>(picture_.height() * at.scale);
        scaled_ = w > 0 && h > 0
                      ? picture_.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      : QImage();
        scaledFor_ = at.scale;
    }
    if (!scaled_.isNull()) painter.drawImage(QPoint(at.x, at.y), scaled_);
}

void DemoView::paintLamps(QPainter& painter, QSize client, bool allInRed) {
    const auto& lamps = document_->lamps();
    const int cell = document_->cellSize();
    const QPoint offset = cellOffset(lamps, client, cell);
    const qreal corner = cell * 9 / 10;
    const auto& colors = player_.colors();
    const auto& painted = player_.painted();
    const bool round = allInRed || roundLamps_;
    // One drawn cell per colour, stamped at every lamp of that colour: a
    // rounded rectangle per lamp is far too slow for large layouts.
    if (stampCell_ != cell || stampRound_ != round) {
        stamps_.clear();
        stampCell_ = cell;
        stampRound_ = round;
    }
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        if (!allInRed && !painted[i]) continue;
        const QRgb rgb = allInRed ? qRgb(255, 0, 0) : colorOf(colors[i]).rgb();
        const QRect box = lampCell(lamps[i], offset, cell);
        auto stamp = stamps_.find(rgb);
        if (stamp == stamps_.end()) {
            QImage image(box.size() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setPen(QColor(rgb));
            p.setBrush(QColor(rgb));
            const QRect at(QPoint(0, 0), box.size());
            if (round) {
                // Corner width and height, as the lamp-shape setting asks.
                p.drawRoundedRect(at, corner / 2, corner / 2);
            } else {
                p.drawRect(at);
            }
            stamp = stamps_.emplace(rgb, std::move(image)).first;
        }
        painter.drawImage(box.topLeft(), stamp->second);
    }
}

void DemoView::paintOn(QPainter& painter, QSize client) {
    document_->fitCellSizeIfUnset(client.width(), client.height());
    painter.fillRect(QRect(0, 0, 2600, 2000), Qt::black);
    document_->applyPendingPlacement(client.width(), client.height());
    paintPicture(painter);
    if (document_->adjustMode()) {
        if (document_->showLamps()) paintLamps(painter, client, true);
        paintAdjustHint(painter, client);
        return;
    }
    if (const auto request = document_->takePendingPlay(client.width())) player_.start(*request);
    paintLamps(painter, client, false);
    painter.setPen(Qt::white);
    for (const auto& [at, text] : player_.texts()) {
        painter.drawText(QPoint(at.first, at.second + painter.fontMetrics().ascent()),
                         QString::fromStdString(text));
    }
}

void DemoView::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    paintOn(painter, size());
}

QImage DemoView::render() {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintOn(painter, image.size());
    return image;
}

void DemoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        document_->mouseDown(event->position().toPoint().x(), event->position().toPoint().y());
    }
}

void DemoView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        document_->mouseUp(event->position().toPoint().x(), event->position().toPoint().y());
    }
}

void DemoView::playRequestedGroup() {
    if (!takeProgramGroupRequest) return;
    if (const auto k = takeProgramGroupRequest()) selectProgramGroup(*k);
}

void DemoView::mouseMoveEvent(QMouseEvent* event) {
    (void)event;
    playRequestedGroup();
}

// The pointer coming back over the view from a closed pop-up menu counts
// as a movement.
void DemoView::enterEvent(QEnterEvent* event) {
    (void)event;
    playRequestedGroup();
}

void DemoView::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT contextMenuWanted(event->globalPos());
}

}  // namespace vx
