#include "gui/dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

#include "app/commands.h"
#include "common/paths.h"
#include "gui/filenamedialog.h"
#include "gui/qtext.h"

namespace korvalt {

bool TDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text,
                        bool defaultYes) {
    const auto answer =
        QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

TDialogs::TAnswer TDialogs::AskYesNoCancel(QWidget* parent, const QString& caption,
                                           const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Yes ? Yes : answer == QMessageBox::No ? No : Cancel;
}

void TDialogs::ShowMessage(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text);
}

std::optional<QString>
TDialogs::PromptFileName(QWidget* parent, const QString& proposal,
                         const std::function<QString(const QString&)>& check) {
    TDateinameForm form(parent);
    form.SetFileName(proposal);
    form.SetNameCheck(check);
    if (Dialogs().ExecModal(&form) != QDialog::Accepted) return std::nullopt;
    return form.GetFileName();
}

QString TDialogs::AskFileName(QWidget* parent, const QString& proposal,
                              const std::function<QString(const QString&)>& check) {
    return PromptFileName(parent, proposal, check).value_or(QString());
}

void TDialogs::OpenExternally(QWidget*, const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString TDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}

QString TDialogs::ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                             const QString& fileName, const QString& filter) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString TDialogs::ChooseSaveFile(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& fileName, const QString& filter) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // the caller asks its own question
    // A name typed without extension takes the one of the chosen filter.
    const auto suffixOf = [](const QString& f) {
        const QRegularExpressionMatch m = QRegularExpression(R"(\*\.(\w+))").match(f);
        return m.hasMatch() ? m.captured(1) : QString();
    };
    dialog.setDefaultSuffix(suffixOf(filter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& f) { dialog.setDefaultSuffix(suffixOf(f)); });
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QAction* TDialogs::PopupMenu(QMenu* menu, const QPoint& globalPos) {
    return menu->exec(globalPos);
}

int TDialogs::ExecModal(QDialog* dialog) {
    return dialog->exec();
}

namespace {
TDialogs realDialogs;
TDialogs* current = &realDialogs;
} // namespace

TDialogs& Dialogs() {
    return *current;
}

void SetDialogs(TDialogs* dialogs) {
    current = dialogs ? dialogs : &realDialogs;
}

void ShowWriteError(QWidget* parent, const std::string& path, const std::string& reason) {
    Dialogs().ShowMessage(parent, "Fehler",
                          QString::fromLocal8Bit(WriteFailureMessage("Die Datei", path, reason)));
}

bool ReportReadFailure(QWidget* parent, const std::string& path, const TResult<TFileRead>& result) {
    if (result.ok || result.value.missing) return false;
    Dialogs().ShowMessage(
        parent, "Fehler",
        QString::fromLocal8Bit(ReadFailureMessage("Die Datei", path, result.error)));
    return true;
}

bool RefuseFolderAsOutput(QWidget* parent, const std::string& path) {
    if (!IsDirectory(path)) return false;
    Dialogs().ShowMessage(parent, "Fehler", QString::fromLocal8Bit(FolderAsOutputMessage(path)));
    return true;
}

bool AskOverwrite(QWidget* parent, const std::string& path) {
    QString text = "Datei überschreiben?";
    if (!path.empty()) text += "\n" + QFileInfo(PathToQ(path)).absoluteFilePath();
    return Dialogs().AskYesNo(parent, "Frage", text, false);
}

bool ShowOutcome(QWidget* parent, const TResult<TWritten>& outcome) {
    if (!outcome.error.empty())
        Dialogs().ShowMessage(parent, "Fehler", QString::fromLocal8Bit(outcome.error));
    // What the user must complete in the file written, in one message.
    if (outcome.ok && !outcome.value.notice.empty())
        Dialogs().ShowMessage(parent, "Hinweis", QString::fromUtf8(outcome.value.notice));
    return outcome.ok;
}

} // namespace korvalt
