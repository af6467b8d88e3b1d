#include "app/ui/document_window.h"

#include <QCloseEvent>
#include <QLabel>

#include "engine/ui/demo_view.h"
#include "engine/ui/effect_view.h"
#include "layout/ui/layout_view.h"
#include "output/ui/live_feed.h"

namespace vx {

DocumentWindow::DocumentWindow(DocumentKind kind, std::shared_ptr<LayoutDocument> document,
                               QString title, QWidget* parent)
    : QMdiSubWindow(parent), kind_(kind), document_(std::move(document)), title_(std::move(title)) {
    setAttribute(Qt::WA_DeleteOnClose);
    switch (kind_) {
        case DocumentKind::Layout: setWidget(new LayoutView(document_)); break;
        case DocumentKind::Effect: setWidget(new EffectView(document_)); break;
        case DocumentKind::Demo: {
            // The demo view plays compiled effects; until something is handed
            // to it there is nothing to show.
            auto* blank = new QWidget;
            blank->setAutoFillBackground(true);
            QPalette palette = blank->palette();
            palette.setColor(QPalette::Window, Qt::black);
            blank->setPalette(palette);
            setWidget(blank);
            break;
        }
    }
    if (document_) document_->addObserver(this);
    updateTitle();
}

DocumentWindow::DocumentWindow(std::shared_ptr<DemoDocument> demo, QString title, QWidget* parent)
    : QMdiSubWindow(parent), kind_(DocumentKind::Demo), title_(std::move(title)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(new DemoView(std::move(demo)));
    updateTitle();
}

void DocumentWindow::setLiveFeed(std::unique_ptr<LiveFeed> feed) {
    if (!feed && !liveFeed_) return;
    liveFeed_ = std::move(feed);
    Q_EMIT liveFeedChanged();
}

DocumentWindow::~DocumentWindow() {
    if (document_) document_->removeObserver(this);
}

LayoutView* DocumentWindow::layoutView() const { return qobject_cast<LayoutView*>(widget()); }

EffectView* DocumentWindow::effectView() const { return qobject_cast<EffectView*>(widget()); }

DemoView* DocumentWindow::demoView() const { return qobject_cast<DemoView*>(widget()); }

void DocumentWindow::setDocumentTitle(const QString& title) {
    title_ = title;
    updateTitle();
}

void DocumentWindow::closeWithoutAsking() {
    settled_ = true;
    close();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (!settled_ && mayClose && !mayClose(*this)) {
        event->ignore();
        return;
    }
    closed_ = true;
    QMdiSubWindow::closeEvent(event);
}

void DocumentWindow::layoutChanged(LayoutChange change) {
    (void)change;
    updateTitle();
    Q_EMIT documentChanged();
}

void DocumentWindow::updateTitle() {
    setWindowTitle(title_ + QStringLiteral("[*]"));
    setWindowModified(document_ && document_->isModified());
}

}  // namespace vx
