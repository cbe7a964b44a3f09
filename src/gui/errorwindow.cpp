#include "gui/errorwindow.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "gui/help.h"
#include "gui/helptopics.h"
#include "gui/qtext.h"

namespace korvalt {

namespace {
constexpr int ButtonWidth = 75, ButtonHeight = 25, PanelHeight = 40;
}

TErrorForm::TErrorForm(QWidget* parent) : QDialog(parent) {
    setObjectName("ErrorForm");
    setWindowTitle("Fehler in der Automatenbeschreibung");
    SetHelpContext(this, HelpFehler);
    UseDesignFont(this);
    setMinimumWidth(2 * ButtonWidth);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    KnopfPNL = new QFrame(this);
    KnopfPNL->setObjectName("KnopfPNL");
    OKButton = new QPushButton("&OK", KnopfPNL);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TErrorForm::OKButtonClick);
    setTabOrder(OKButton, Memo);
    Memo->viewport()->installEventFilter(this);

    resize(481, 263);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    OKButton->setFocus();
}

// The window widens to its longest line, but never beyond the screen.
void TErrorForm::FillErrorReport(const TAutomatReport& report) {
    lines_ = ErrorReport(report);
    chosen_.reset();
    QStringList lines;
    int widest = 0;
    const QFontMetrics metrics(Memo->font());
    for (const auto& line : lines_) {
        lines << QString::fromStdString(line.Text);
        widest = std::max(widest, metrics.horizontalAdvance(lines.back()));
    }
    Memo->setPlainText(lines.join('\n'));
    const int frame = 2 * Memo->frameWidth() +
                      2 * static_cast<int>(Memo->document()->documentMargin()) +
                      Memo->verticalScrollBar()->sizeHint().width() +
                      2 * metrics.averageCharWidth(); // the cursor and rounding: no scroll bar
    int wanted = std::max(width(), widest + frame);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = std::min(wanted, screen->availableGeometry().width());
    if (wanted != width()) {
        resize(wanted, height());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
}

void TErrorForm::LineDoubleClicked(int line) {
    if (line < 0 || line >= static_cast<int>(lines_.size())) return;
    const auto& row = lines_[static_cast<std::size_t>(line)].Row;
    if (!row) return;
    chosen_ = row;
    accept();
}

bool TErrorForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        LineDoubleClicked(Memo->cursorForPosition(mouse->position().toPoint()).blockNumber());
        return chosen_.has_value();
    }
    return QDialog::eventFilter(watched, event);
}

QString TErrorForm::ReportText() const {
    return Memo->toPlainText();
}

void TErrorForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (width() < 2 * ButtonWidth) resize(2 * ButtonWidth, height());
    KnopfPNL->setGeometry(0, height() - PanelHeight, width(), PanelHeight);
    Memo->setGeometry(0, 0, width(), std::max(0, height() - PanelHeight));
    OKButton->setGeometry(width() / 2 - ButtonWidth / 2, 8, ButtonWidth, ButtonHeight);
}

void TErrorForm::OKButtonClick() {
    accept();
}

} // namespace korvalt
