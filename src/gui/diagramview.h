// The editor's "Zustandsdiagramm" tab: the state diagram of the stored model,
// laid out by Graphviz and drawn with Qt from the layout's coordinates.
// Ctrl+wheel and Ctrl+Plus/Minus zoom, Ctrl+0 or "Einpassen" fits the
// diagram into the window; double-clicking a state or an arrow reports it.
// Large machines are laid out (and saved as pictures) by korvalt-cli in a
// child process, so the window stays responsive and can cancel the work.
#pragma once

#include <QGraphicsView>
#include <QWidget>
#include <functional>
#include <memory>

#include "diagram/layout.h"

class QLabel;
class QProcess;
class QPushButton;
class QTableWidget;
class QTemporaryDir;

namespace korvalt {

class TDiagramView : public QWidget {
    Q_OBJECT
  public:
    explicit TDiagramView(QWidget* parent);
    ~TDiagramView() override;

    // Draws the diagram of the model; workingDir is where saving starts, with
    // the proposed name fileName ("moore.svg" when empty).
    void ShowAutomat(const TAutomat& a, const std::string& workingDir,
                     const std::string& fileName = {});
    // Grid rows (CellTable numbering) of a double-clicked node or edge.
    std::vector<int> TableRows(int node, int edge, const CellTable& table) const;
    const TStateGraph& Graph() const { return graph_; }
    bool Busy() const { return process_ != nullptr; }
    QString Note() const;

    // Machines with more rows or states are laid out by korvalt-cli at
    // CliPath, so the window stays responsive. Below these limits the window
    // waits at most about half a second: dot's largest machines (64 states,
    // 256 rows) and sfdp's up to 1,024 rows and 512 states take about as long;
    // sfdp needs a second or two for 4,096 rows.
    int ChildProcessRows = 1024;
    int ChildProcessStates = 512;
    QString CliPath;

  public slots:
    void ZoomIn();
    void ZoomOut();
    void Fit();
    void Cancel();
    void DiagrammSpeichernClick();

  signals:
    // Exactly one of node and edge is an index, the other -1.
    void ItemDoubleClicked(int node, int edge);
    // "Diagramm speichern": the full path written, or why nothing was written.
    void Geschrieben(const QString& path);
    void NichtGeschrieben(const QString& why);

  protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Draw(const TDiagramLayout& layout);
    void SetNote(const QString& text);
    bool Large() const;
    // Runs korvalt-cli diagram on the model, writing out; done gets the error line or "".
    void RunChild(const QString& out, const QString& note, std::function<void(QString)> done);

    TAutomat model_;   // saved for the layout in a child process
    TMachine machine_; // what the graph was built from
    TStateGraph graph_;
    std::string workingDir_, fileName_;
    QGraphicsView* DiagrammView;
    QLabel* DiagrammNote;
    QPushButton *AbbrechenBTN, *EinpassenBTN, *DiagrammSpeichernBTN;
    QProcess* process_ = nullptr;
    std::unique_ptr<QTemporaryDir> tempDir_;
    std::function<void(QString)> childDone_;
};

// Selects the given grid rows (CellTable numbering) of a table widget, the first made current.
void SelectTableRows(QTableWidget* grid, const std::vector<int>& rows);

} // namespace korvalt
