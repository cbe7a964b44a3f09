// The state-machine editor's KISS2 commands: a KISS2 file imported as the
// description being edited (its import report shown in a window of its own),
// and the description exported as a KISS2 file.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/paths.h"
#include "fsm/kiss2.h"
#include "gui/dialogs.h"
#include "gui/fsmeditor.h"
#include "gui/qtext.h"

namespace korvalt {

namespace {

const char* const Kiss2Filter = "KISS2-Automat (*.kiss2 *.kiss *.kis)";

// The import report: a summary line above the warnings and notes, which can
// be many (a published machine names its states by their codes).
void ShowImportReport(QWidget* parent, const QString& file, const TStrings& report) {
    QDialog box(parent);
    box.setObjectName("Kiss2Bericht");
    box.setWindowTitle("KISS2-Import");
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel("Importiert: " + file, &box));
    auto* text = new QPlainTextEdit(&box);
    text->setObjectName("Kiss2BerichtText");
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const auto& line : report)
        lines << QString::fromStdString(line);
    text->setPlainText(lines.join('\n'));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.resize(560, 360);
    Dialogs().ExecModal(&box);
}

} // namespace

// The machine read replaces the description being edited, as a new one: it
// has no file yet, so its first save asks before it replaces the current work.
void TAutomatForm::ImportKiss2Click() {
    if (!ConfirmDiscard()) return;
    const QString qpath = Dialogs().ChooseFile(this, "Importieren (KISS2)",
                                               PathToQ(Doc_.WorkingDir), "", Kiss2Filter);
    if (qpath.isEmpty()) return;
    const std::string path = PathFromQ(qpath);
    std::string bytes;
    const TResult<TFileRead> read = ReadFileBytes(path, bytes);
    if (read.value.missing) {
        Dialogs().ShowMessage(this, "Fehler", "Die Datei " + qpath + " gibt es nicht.");
        return;
    }
    if (ReportReadFailure(this, path, read)) return;
    const TResult<TKiss2Import> imported = ReadKiss2(bytes, Doc_.Automat.Moore);
    if (!imported) {
        Dialogs().ShowMessage(this, "Fehler",
                              "Die Datei " + qpath + " wurde nicht importiert.\nZeile " +
                                  QString::number(imported.value.line) + ": " +
                                  QString::fromStdString(imported.error));
        SetStatusText("KISS2-Import abgebrochen: Zeile " + QString::number(imported.value.line));
        return;
    }
    Doc_.Automat = imported.value.automat;
    Doc_.File.clear();
    Doc_.UnsavedNew = true;
    Doc_.Modified = true;
    UpdateCaption();
    SetView(ViewVorgaben, false);
    UpdateMenus();
    ShowVorgaben(0);
    SetStatusText("Importiert: " + qpath);
    ShowImportReport(this, qpath, imported.value.report);
}

void TAutomatForm::ExportKiss2Click() {
    StoreShownView();
    const TResult<TStrings> lines = WriteKiss2(ReadMachine(Doc_.Automat));
    if (!lines) {
        Dialogs().ShowMessage(this, "Fehler",
                              QString::fromUtf8("Der Automat kann nicht als KISS2 "
                                                "geschrieben werden:\n") +
                                  QString::fromStdString(lines.error));
        return ReportNotWritten("der Automat passt nicht in KISS2.");
    }
    const QString chosen =
        Dialogs().ChooseSaveFile(this, "Exportieren (KISS2)", PathToQ(Doc_.WorkingDir),
                                 PathToQ(ProposedName(".kiss2")), Kiss2Filter);
    if (chosen.isEmpty()) return ReportNotWritten("abgebrochen.");
    const std::string path = PathFromQ(chosen);
    if (RefuseFolderAsOutput(this, path)) return ReportNotWritten("das ist ein Ordner.");
    if (FileExists(path) && !AskOverwrite(this, path))
        return ReportNotWritten(
            QString::fromUtf8("\u201e%1\u201c wurde nicht \u00fcberschrieben.").arg(chosen));
    if (const TResult<> written = SaveLines(path, lines.value); !written) {
        ShowWriteError(this, path, written.error);
        return ReportNotWritten(
            QString::fromUtf8("\u201e%1\u201c konnte nicht geschrieben werden.").arg(chosen));
    }
    ReportWritten(path);
}

} // namespace korvalt
