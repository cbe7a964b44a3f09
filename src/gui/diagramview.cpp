#include "gui/diagramview.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsEllipseItem>
#include <QGraphicsPathItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "common/paths.h"
#include "common/textfile.h"
#include "fsm/workspace.h"
#include "gui/dialogs.h"
#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/qtext.h"

namespace korvalt {

namespace {

const QColor WarningColour(0xc0, 0x00, 0x00);
constexpr double ZoomStep = 1.25;
// Which node or edge a drawn item belongs to.
constexpr int KindKey = 0, IndexKey = 1;

// An arrow is easier to hit than its one-pixel line.
class TEdgeItem : public QGraphicsPathItem {
  public:
    using QGraphicsPathItem::QGraphicsPathItem;
    QPainterPath shape() const override {
        QPainterPathStroker stroker;
        stroker.setWidth(8);
        return stroker.createStroke(path());
    }
};

QPointF Q(const TDiagramPoint& p) {
    return {p.x, p.y};
}

// Lines of text centred one below the other around centre.
void AddText(QGraphicsItem* parent, const QStringList& lines, QPointF centre, int pixels,
             const QColor& colour) {
    QFont font("Helvetica");
    font.setPixelSize(pixels);
    const double lineHeight = pixels * 1.2;
    double y = centre.y() - lineHeight * lines.size() / 2;
    for (const QString& line : lines) {
        auto* t = new QGraphicsSimpleTextItem(line, parent);
        t->setFont(font);
        t->setBrush(colour);
        const QRectF r = t->boundingRect();
        t->setPos(centre.x() - r.width() / 2, y + (lineHeight - r.height()) / 2);
        y += lineHeight;
    }
}

QGraphicsItem* AddEdge(QGraphicsScene* scene, const TEdgePlace& e, const QColor& colour) {
    QPainterPath path(Q(e.points[0]));
    for (std::size_t i = 1; i + 2 < e.points.size(); i += 3)
        path.cubicTo(Q(e.points[i]), Q(e.points[i + 1]), Q(e.points[i + 2]));
    auto* item = new TEdgeItem(path);
    item->setPen(QPen(colour, 1));
    scene->addItem(item);
    auto* head = new QGraphicsPathItem(item);
    if (e.arrow) {
        const QPointF tip = Q(*e.arrow), base = Q(e.points.back());
        const QPointF d = tip - base, n(-d.y() * 0.35, d.x() * 0.35);
        QPainterPath p;
        p.addPolygon(QPolygonF({base + n, tip, base - n, base + n}));
        head->setPath(p);
    }
    head->setPen(Qt::NoPen);
    head->setBrush(colour);
    return item;
}

QString LeftOutNote(int n) {
    if (n == 0) return {};
    if (n == 1) return "Eine Zeile mit leerem Feld ist nicht gezeichnet.";
    return QString("%1 Zeilen mit leeren Feldern sind nicht gezeichnet.").arg(n);
}

class TGraphicsView : public QGraphicsView {
  public:
    std::function<void(QGraphicsItem*)> DoubleClicked;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        for (QGraphicsItem* item = itemAt(event->pos()); item; item = item->parentItem())
            if (item->data(KindKey).isValid()) {
                if (DoubleClicked) DoubleClicked(item);
                return;
            }
        QGraphicsView::mouseDoubleClickEvent(event);
    }
};

} // namespace

TDiagramView::TDiagramView(QWidget* parent) : QWidget(parent) {
    setObjectName("Zustandsdiagramm");
    CliPath = QCoreApplication::applicationDirPath() + "/korvalt-cli";
#ifdef Q_OS_WIN
    CliPath += ".exe";
#endif
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new TGraphicsView;
    DiagrammView = view;
    DiagrammView->setObjectName("DiagrammView");
    DiagrammView->setScene(new QGraphicsScene(DiagrammView));
    DiagrammView->setRenderHint(QPainter::Antialiasing);
    DiagrammView->setDragMode(QGraphicsView::ScrollHandDrag);
    DiagrammView->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    DiagrammView->viewport()->installEventFilter(this);
    view->DoubleClicked = [this](QGraphicsItem* item) {
        const int index = item->data(IndexKey).toInt();
        if (item->data(KindKey).toString() == "node")
            emit ItemDoubleClicked(index, -1);
        else
            emit ItemDoubleClicked(-1, index);
    };
    layout->addWidget(DiagrammView, 1);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    DiagrammNote = new QLabel(this);
    DiagrammNote->setObjectName("DiagrammNote");
    bar->addWidget(DiagrammNote, 1);
    auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        bar->addWidget(b);
        return b;
    };
    AbbrechenBTN = button("AbbrechenBTN", "Abbrechen");
    AbbrechenBTN->hide();
    EinpassenBTN = button("EinpassenBTN", "Einpassen");
    DiagrammSpeichernBTN = button("DiagrammSpeichernBTN", "Diagramm speichern\u2026");
    layout->addLayout(bar);
    connect(AbbrechenBTN, &QPushButton::clicked, this, &TDiagramView::Cancel);
    connect(EinpassenBTN, &QPushButton::clicked, this, &TDiagramView::Fit);
    connect(DiagrammSpeichernBTN, &QPushButton::clicked, this,
            &TDiagramView::DiagrammSpeichernClick);

    DiagrammView->installEventFilter(this);
    setFocusProxy(DiagrammView);
    SetHelpContext(this, HelpZustandsdiagramm);
}

TDiagramView::~TDiagramView() {
    if (process_) process_->disconnect(this);
}

QString TDiagramView::Note() const {
    return DiagrammNote->text();
}

void TDiagramView::SetNote(const QString& text) {
    DiagrammNote->setText(text);
}

bool TDiagramView::Large() const {
    return int(model_.Automatentabelle.size()) > ChildProcessRows ||
           int(graph_.nodes.size()) > ChildProcessStates;
}

void TDiagramView::ShowAutomat(const TAutomat& a, const std::string& workingDir,
                               const std::string& fileName) {
    Cancel();
    model_ = a;
    machine_ = ReadMachine(a);
    workingDir_ = workingDir;
    fileName_ = fileName;
    graph_ = BuildStateGraph(machine_);
    DiagrammView->scene()->clear();
    SetNote(LeftOutNote(graph_.leftOut));
    if (!Large()) {
        std::string error;
        if (const auto layout = LayoutGraph(graph_, &error))
            Draw(*layout);
        else
            SetNote("Das Zustandsdiagramm kann nicht angeordnet werden: " +
                    QString::fromStdString(error));
        return;
    }
    RunChild("layout.xdot", "Das Zustandsdiagramm wird angeordnet \u2026", [this](QString error) {
        std::string text;
        std::optional<TDiagramLayout> layout;
        if (error.isEmpty()) {
            if (!ReadFileBytes(PathFromQ(tempDir_->filePath("layout.xdot")), text))
                error = "korvalt-cli schrieb keine Anordnung.";
            else if (!(layout = ReadLayout(text, graph_)))
                error = UnreadableLayout;
        }
        if (layout)
            Draw(*layout);
        else
            SetNote("Das Zustandsdiagramm kann nicht angeordnet werden: " + error);
    });
}

void TDiagramView::RunChild(const QString& out, const QString& note,
                            std::function<void(QString)> done) {
    tempDir_ = std::make_unique<QTemporaryDir>();
    const QString workspace = tempDir_->filePath(PathToQ(WorkspaceFileName(model_.Moore)));
    if (const auto r = SaveWorkspaceFile(model_, PathFromQ(workspace)); !r) {
        done(QString::fromStdString(r.error));
        return;
    }
    childDone_ = std::move(done);
    process_ = new QProcess(this);
    connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        QString error;
        if (status != QProcess::NormalExit || code != 0) {
            error = QString::fromUtf8(process_->readAllStandardError()).trimmed();
            if (error.isEmpty()) error = "korvalt-cli endete mit Fehler.";
        }
        process_->deleteLater();
        process_ = nullptr;
        AbbrechenBTN->hide();
        const QString before = LeftOutNote(graph_.leftOut);
        SetNote(before);
        if (auto done = std::move(childDone_)) done(error);
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        process_->deleteLater();
        process_ = nullptr;
        AbbrechenBTN->hide();
        if (auto done = std::move(childDone_)) done(CliPath + " kann nicht gestartet werden.");
    });
    const QString target = QFileInfo(out).isAbsolute() ? out : tempDir_->filePath(out);
    SetNote(note);
    AbbrechenBTN->show();
    process_->start(CliPath,
                    {"diagram", workspace, "-o", target, model_.Moore ? "--moore" : "--mealy"});
}

void TDiagramView::Cancel() {
    if (!process_) return;
    process_->disconnect(this);
    process_->kill();
    process_->waitForFinished(2000);
    delete process_;
    process_ = nullptr;
    childDone_ = nullptr;
    AbbrechenBTN->hide();
    SetNote("Abgebrochen.");
}

void TDiagramView::hideEvent(QHideEvent* event) {
    Cancel();
    QWidget::hideEvent(event);
}

void TDiagramView::Draw(const TDiagramLayout& layout) {
    QGraphicsScene* scene = DiagrammView->scene();
    scene->clear();
    for (std::size_t i = 0; i < layout.nodes.size(); ++i) {
        const TGraphNode& n = graph_.nodes[i];
        const TNodePlace& p = layout.nodes[i];
        const QColor colour = n.known ? QColor(Qt::black) : WarningColour;
        auto* item = scene->addEllipse(
            p.centre.x - p.width / 2, p.centre.y - p.height / 2, p.width, p.height,
            QPen(colour, 1, n.known ? Qt::SolidLine : Qt::DashLine), QBrush(Qt::white));
        item->setData(KindKey, "node");
        item->setData(IndexKey, int(i));
        QStringList lines = {ToQ(n.name)};
        if (!n.output.empty()) lines << ToQ(n.output);
        AddText(item, lines, Q(p.centre), 10, colour);
    }
    for (std::size_t i = 0; i < layout.edges.size(); ++i) {
        const TGraphEdge& e = graph_.edges[i];
        const QColor colour = e.warning ? WarningColour : QColor(Qt::black);
        QGraphicsItem* item = AddEdge(scene, layout.edges[i], colour);
        item->setData(KindKey, "edge");
        item->setData(IndexKey, int(i));
        QStringList lines;
        for (const auto& l : e.labels)
            lines << ToQ(l);
        if (layout.edges[i].label) AddText(item, lines, Q(*layout.edges[i].label), 9, colour);
    }
    if (layout.reset) {
        const TNodePlace& r = *layout.reset;
        scene->addEllipse(r.centre.x - r.width / 2, r.centre.y - r.height / 2, r.width, r.height,
                          QPen(Qt::black), QBrush(Qt::black));
    }
    if (layout.resetEdge) AddEdge(scene, *layout.resetEdge, Qt::black);
    scene->setSceneRect(-10, -10, layout.width + 20, layout.height + 20);
    // Fitted to the window, but a small machine not blown up beyond twice its size.
    Fit();
    if (DiagrammView->transform().m11() > 2)
        DiagrammView->setTransform(QTransform::fromScale(2, 2));
}

void TDiagramView::ZoomIn() {
    DiagrammView->scale(ZoomStep, ZoomStep);
}

void TDiagramView::ZoomOut() {
    DiagrammView->scale(1 / ZoomStep, 1 / ZoomStep);
}

void TDiagramView::Fit() {
    DiagrammView->fitInView(DiagrammView->scene()->sceneRect(), Qt::KeepAspectRatio);
}

bool TDiagramView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DiagrammView && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            const int k = key->key();
            if (k == Qt::Key_Plus || k == Qt::Key_Equal) ZoomIn();
            if (k == Qt::Key_Minus) ZoomOut();
            if (k == Qt::Key_0) Fit();
            if (k == Qt::Key_Plus || k == Qt::Key_Equal || k == Qt::Key_Minus || k == Qt::Key_0)
                return true;
        }
    }
    if (watched == DiagrammView->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const double f = std::pow(ZoomStep, wheel->angleDelta().y() / 120.0);
            DiagrammView->scale(f, f);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<int> TDiagramView::TableRows(int node, int edge, const CellTable& table) const {
    return node >= 0 ? NodeTableRows(graph_, node, table)
                     : EdgeTableRows(machine_, graph_, edge, table);
}

// Saves as SVG, PNG or DOT by the name's extension, after asking before
// overwriting; says what was written, or why nothing was.
void TDiagramView::DiagrammSpeichernClick() {
    if (Busy()) return;
    const std::string proposal = workingDir_ + (!fileName_.empty() ? fileName_
                                                : model_.Moore     ? "moore.svg"
                                                                   : "mealy.svg");
    const QString chosen = Dialogs().ChooseSaveFile(
        this, "Diagramm speichern", PathToQ(FolderPart(proposal)), PathToQ(FileNamePart(proposal)),
        "SVG-Bild (*.svg);;PNG-Bild (*.png);;Graphviz-Text (*.dot)");
    if (chosen.isEmpty()) return emit NichtGeschrieben("abgebrochen.");
    const std::string path = PathFromQ(chosen);
    const QString full = QFileInfo(chosen).absoluteFilePath();
    const TDiagramFormat format = DiagramFormatOf(path);
    if (format == TDiagramFormat::Unknown || format == TDiagramFormat::Xdot) {
        Dialogs().ShowMessage(
            this, "Fehler",
            "Bitte einen Dateinamen mit der Endung .svg, .png oder .dot w\u00e4hlen.");
        return emit NichtGeschrieben(
            QString::fromUtf8("die Endung von „%1“ ist unbekannt.").arg(full));
    }
    if (FileExists(path) && !AskOverwrite(this))
        return emit NichtGeschrieben(
            QString::fromUtf8("„%1“ wurde nicht überschrieben.").arg(full));
    const auto failed = [this, full] {
        emit NichtGeschrieben(QString::fromUtf8("„%1“ konnte nicht geschrieben werden.").arg(full));
    };
    if (format == TDiagramFormat::Dot || !Large()) {
        if (const auto r = SaveDiagram(graph_, path, format); !r) {
            ShowWriteError(this, path, r.error);
            return failed();
        }
        return emit Geschrieben(full);
    }
    RunChild(chosen, "Das Diagramm wird gespeichert \u2026",
             [this, path, full, failed](QString error) {
                 if (error.isEmpty()) return emit Geschrieben(full);
                 ShowWriteError(this, path, FromQ(error));
                 failed();
             });
}

void SelectTableRows(QTableWidget* grid, const std::vector<int>& rows) {
    grid->clearSelection();
    QItemSelectionModel* selection = grid->selectionModel();
    for (int row : rows) {
        const QModelIndex index = grid->model()->index(row - 1, 0);
        if (row == rows.front()) selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

} // namespace korvalt
