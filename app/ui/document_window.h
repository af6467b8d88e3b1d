#pragma once
// One MDI child window: a layout window ("Edit"), an effect window ("LED")
// over the same kind of document, or a demo window ("Text"). Layout and
// effect windows share their LayoutDocument with every other window of it.

#include <QMdiSubWindow>

#include <functional>
#include <memory>

#include "engine/demo/demo_document.h"
#include "layout/layout_document.h"

namespace vx {

class LayoutView;
class EffectView;
class DemoView;
class LiveFeed;

enum class DocumentKind { Layout, Effect, Demo };

class DocumentWindow : public QMdiSubWindow, private LayoutObserver {
    Q_OBJECT
public:
    // `title` names the document ("SAMPLE.LED", "Edit1"); the window adds the
    // modified mark. Demo windows have no layout document.
    DocumentWindow(DocumentKind kind, std::shared_ptr<LayoutDocument> document, QString title,
                   QWidget* parent = nullptr);
    // A demo window playing `demo`.
    DocumentWindow(std::shared_ptr<DemoDocument> demo, QString title, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    DocumentKind kind() const { return kind_; }
    const std::shared_ptr<LayoutDocument>& document() const { return document_; }
    LayoutView* layoutView() const;
    EffectView* effectView() const;
    DemoView* demoView() const;
    // The live DMX feed of a demo window, if one is running.
    LiveFeed* liveFeed() const { return liveFeed_.get(); }
    void setLiveFeed(std::unique_ptr<LiveFeed> feed);

    QString documentTitle() const { return title_; }
    void setDocumentTitle(const QString& title);

    // Asked before the window closes; false keeps it open.
    std::function<bool(DocumentWindow&)> mayClose;
    // Set once the close question has been settled for this window.
    void closeWithoutAsking();
    // The window has accepted its close and only waits to be deleted.
    bool isClosed() const { return closed_; }

Q_SIGNALS:
    void documentChanged();
    // A live feed started or ended.
    void liveFeedChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layoutChanged(LayoutChange change) override;
    void updateTitle();

    DocumentKind kind_;
    std::shared_ptr<LayoutDocument> document_;
    QString title_;
    bool settled_ = false;
    bool closed_ = false;
    std::unique_ptr<LiveFeed> liveFeed_;
};

}  // namespace vx
