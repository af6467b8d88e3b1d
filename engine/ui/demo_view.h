#pragma once
// The demo view: the picture of the installation, and over it the lamp cells
// as the playing demo paints them. In adjust mode the mouse places the
// picture (widen, minish, move); out of it, a draw starts what the demo
// document's play state asks for.

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

#include "engine/demo/demo_document.h"
#include "engine/ui/demo_player.h"

namespace vx {

class DemoView : public QWidget, private DemoObserver {
    Q_OBJECT
public:
    explicit DemoView(std::shared_ptr<DemoDocument> document, QWidget* parent = nullptr);
    ~DemoView() override;

    DemoDocument& document() { return *document_; }
    const DemoDocument& document() const { return *document_; }
    DemoPlayer& player() { return player_; }

    // Lamp shape: rounded cells when set, plain rectangles otherwise.
    void setRoundLamps(bool round);
    bool roundLamps() const { return roundLamps_; }

    // Start: stops the playback and plays again from the play state the
    // document was made with.
    void startDemo();
    void selectProgramGroup(int k);
    // Bitmap parameters with this view's size.
    std::vector<std::uint8_t> saveBmpParameters();

    // Asked on every mouse movement: a program group someone wants shown
    // (the main window's pending request), taken and cleared by the asking.
    std::function<std::optional<int>()> takeProgramGroupRequest;

    // The texts the view shows, from the language table in use: the hint
    // drawn while it waits in adjust mode, the status of a started mode
    // ("%1" its position, "%2" its kind) and the note that a play has ended.
    struct Texts {
        QString adjustHint;
        QString modeStatus = QStringLiteral("Mode %1: %2");
        QString ended;
    };
    void setTexts(Texts texts);

    // Draws as on screen into an image of the view's size (a draw like any
    // other: a pending playback starts).
    QImage render();

Q_SIGNALS:
    void contextMenuWanted(const QPoint& globalPos);
    // Status-bar panes 1 and 2: the mode that began (and its label), or
    // that the play has ended.
    void statusTexts(const QString& pane1, const QString& pane2);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void demoChanged() override;
    void playRequestedGroup();
    void paintOn(QPainter& painter, QSize client);
    void paintPicture(QPainter& painter);
    void paintLamps(QPainter& painter, QSize client, bool allInRed);

    std::shared_ptr<DemoDocument> document_;
    DemoPlayer player_;
    bool roundLamps_ = true;
    void paintAdjustHint(QPainter& painter, QSize client);

    Texts texts_;
    QString picturePath_;
    QImage picture_;
    QImage scaled_;
    double scaledFor_ = 0.0;
    std::unordered_map<QRgb, QImage> stamps_;  // a drawn lamp cell by colour
    int stampCell_ = 0;
    bool stampRound_ = false;
};

}  // namespace vx
