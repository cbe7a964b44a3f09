#include "gui/help.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "gui/vhdlhighlighter.h"

namespace korvalt {

namespace {
const char* const ContextProperty = "helpContext";
QPointer<THelpWindow> ownHelpWindow; // the one without an owner
QPointer<THelpWindow> lastShown;
} // namespace

void SetHelpContext(QObject* widgetOrAction, int context) {
    widgetOrAction->setProperty(ContextProperty, context);
}

int HelpContextOf(const QObject* widgetOrAction) {
    return widgetOrAction ? widgetOrAction->property(ContextProperty).toInt() : 0;
}

bool HelpTopicExists(const QString& topic) {
    return QFile::exists(":/help/" + topic + ".html");
}

// A modal window blocks every window but its own: help asked for while one is
// open becomes a window of that one, so that it stays usable.
void HelpJump(const QString& topic, const QString& /*helpFile*/) {
    THelpWindow::For(QApplication::activeModalWidget())->ShowTopic(topic);
}

THelpWindow* THelpWindow::Instance() {
    return lastShown ? lastShown.data() : For(nullptr);
}

THelpWindow* THelpWindow::For(QWidget* owner) {
    if (!owner) {
        if (!ownHelpWindow) ownHelpWindow = new THelpWindow(nullptr);
        return ownHelpWindow;
    }
    if (auto* own = owner->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly))
        return own;
    return new THelpWindow(owner);
}

THelpWindow::THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle("Korvalt-Hilfe");
    resize(560, 480);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setSearchPaths({":/help"});
    browser_->setOpenExternalLinks(false);
    new TVhdlHighlighter(browser_->document(), true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { current_ = QFileInfo(url.path()).completeBaseName(); });
}

void THelpWindow::ShowTopic(const QString& topic) {
    const QString name = HelpTopicExists(topic) ? topic : QString::number(DefaultHelpContext);
    browser_->setSource(QUrl("qrc:/help/" + name + ".html"));
    current_ = name;
    lastShown = this;
    show();
    browser_->setFocus(); // the page keys scroll at once
    raise();
    activateWindow();
}

bool THelpWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowBlocked)
        blocked_ = true;
    else if (e->type() == QEvent::WindowUnblocked)
        blocked_ = false;
    return QWidget::event(e);
}

int THelpKeyFilter::CurrentContext() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (int c = HelpContextOf(menu->activeAction())) return c;
        if (int c = HelpContextOf(menu->menuAction())) return c;
    }
    QWidget* w = QApplication::focusWidget();
    if (auto* bar = qobject_cast<QMenuBar*>(w))
        if (int c = HelpContextOf(bar->activeAction())) return c;
    if (!w) w = QApplication::activeWindow();
    // Up to the window's own number; a window without one (the file-name
    // prompt) does not borrow the number of the window that opened it.
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (int c = HelpContextOf(w)) return c;
    return DefaultHelpContext;
}

bool THelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        HelpJump(QString::number(CurrentContext()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace korvalt
