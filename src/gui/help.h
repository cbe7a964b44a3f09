// Korvalt's help: German topics compiled into the program, one per help
// context number (":/help/1000.html" is topic 1000). Help asked for while a
// modal window is open (the state-machine editor, a prompt) belongs to that
// window: it can be scrolled and closed beside it and closes with it. Help
// asked for from the main window has a window of its own.
//
// Windows, controls and menu entries carry their number in the property
// "helpContext"; F1 opens the topic of the highlighted menu entry, else of the
// focused control or the nearest parent that has one, else topic 1000.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace korvalt {

inline constexpr int DefaultHelpContext = 1000; // the overview, topic HelpUebersicht

void SetHelpContext(QObject* widgetOrAction, int context);
int HelpContextOf(const QObject* widgetOrAction); // 0 when none is set

// Opens the help at a topic identifier ("1000"). The help file names the
// program has used ("korvalt.hlp", "MAP.HLP") all lead to the same help.
void HelpJump(const QString& topic, const QString& helpFile = "korvalt.hlp");
// True when a topic exists for the identifier.
bool HelpTopicExists(const QString& topic);
// Opens the help at a numbered topic (gui/helptopics.h).
inline void HelpJump(int topic) {
    HelpJump(QString::number(topic));
}

class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    // The help window that showed a topic last; the main window's own (created
    // on first use) when that one has closed with its owner.
    static THelpWindow* Instance();
    // The help window belonging to owner (nullptr: the main window's), created on first use.
    static THelpWindow* For(QWidget* owner);
    void ShowTopic(const QString& topic);
    QString CurrentTopic() const { return current_; }
    // Whether a modal window currently blocks input to the help window.
    bool IsBlocked() const { return blocked_; }

  protected:
    bool event(QEvent* e) override;

  private:
    explicit THelpWindow(QWidget* owner);
    QTextBrowser* browser_;
    QString current_;
    bool blocked_ = false;
};

// Application-wide F1 handling; install once on the application object.
class THelpKeyFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // The topic F1 would open now.
    static int CurrentContext();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvalt
