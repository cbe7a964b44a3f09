// The start view: what the main window shows while no template is chosen.
// It offers the commands a designer starts with, each with a line saying what
// it does ("Neues Modul" with the template list, the two state-machine kinds,
// the testbenches, component insertion, "Einstellungen"), the working folder,
// and the state-machine files and generated files used last. Every entry runs
// the main window's own command, as its menu entry does.
#pragma once

#include <QWidget>

class QBoxLayout;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace korvalt {

class TMainForm;

class TStartView : public QWidget {
    Q_OBJECT
  public:
    explicit TStartView(TMainForm* form, QWidget* parent);
    // Reads the templates, the working folder and the recent files again.
    void Refresh();
    // Room for every entry with its explanation on one line, without scrolling.
    QSize sizeHint() const override;

  private:
    // A command with its line of explanation, running a slot of the main window.
    void AddCommand(QBoxLayout* into, const QString& caption, const QString& explanation,
                    const char* name, int help, void (TMainForm::*slot)());
    void OpenRecent(QListWidgetItem* item);

    TMainForm* Form;
    QWidget* Inner;
    QListWidget* VorlagenListe;
    QLabel* OrdnerLabel;
    QListWidget* AutomatenListe;
    QListWidget* ErzeugtListe;
};

} // namespace korvalt
