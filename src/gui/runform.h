// The frame of a window that runs outside tools (GHDL, Yosys) as child
// processes without blocking any window: a result line, a list of findings,
// the whole log, and the buttons "Abbrechen" and "Schließen". The windows
// "Simulation" and "Synthese prüfen" fill it with their own steps.
#pragma once

#include <QDialog>
#include <QProcess>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace korvalt {

class TRunForm : public QDialog {
    Q_OBJECT
  public:
    // listName names the findings list for tests (FehlerList, ErgebnisList);
    // listCaption, when not empty, stands above it.
    TRunForm(QWidget* parent, const QString& listName, const QString& listCaption);
    ~TRunForm() override;

    bool Running() const { return process_ && process_->state() != QProcess::NotRunning; }
    QString Summary() const;
    QString Log() const;

  public slots:
    void AbbrechenBTNClick();

  signals:
    // The run has ended: passed, failed, could not run or was cancelled.
    void Finished();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The child process of this window, made on first use.
    QProcess* Process();
    QStringList ListLines() const;
    void End(const QString& text);
    void AppendLog(const QString& text);

    QLabel* ErgebnisLabel;
    QListWidget* ResultList;
    QPlainTextEdit* LogMemo;
    QPushButton *AbbrechenBTN, *SchliessenBTN;
    bool cancelled_ = false;

  private:
    QProcess* process_ = nullptr;
};

} // namespace korvalt
