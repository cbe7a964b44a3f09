#include "gui/gui_support.h"

#include <QAction>
#include <QMenu>

namespace korvalt::test {

namespace {
template <typename T> T Take(std::deque<T>& q, const char* what) {
    if (q.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return T();
    }
    T v = q.front();
    q.pop_front();
    return v;
}
} // namespace

bool TFakeDialogs::AskYesNo(QWidget*, const QString& caption, const QString& text, bool) {
    asked.push_back({"question", caption, text});
    return Take(yesNo, "question");
}

TDialogs::TAnswer TFakeDialogs::AskYesNoCancel(QWidget*, const QString& caption,
                                               const QString& text) {
    asked.push_back({"question", caption, text});
    return Take(yesNoCancel, "question");
}

void TFakeDialogs::ShowMessage(QWidget*, const QString& caption, const QString& text) {
    asked.push_back({"message", caption, text});
}

std::optional<QString>
TFakeDialogs::PromptFileName(QWidget* parent, const QString& proposal,
                             const std::function<QString(const QString&)>& check) {
    asked.push_back({"filename", "", proposal});
    if (fileNames.empty()) return TDialogs::PromptFileName(parent, proposal, check); // the real one
    const bool left = !fileNames.front().has_value();
    const QString name = fileNames.front().value_or(QString());
    fileNames.pop_front();
    if (left) return std::nullopt;
    return name;
}

void TFakeDialogs::OpenExternally(QWidget*, const QString& path) {
    asked.push_back({"open", "", path});
}

QString TFakeDialogs::ChooseFolder(QWidget*, const QString& title, const QString& start) {
    asked.push_back({"folder", title, start});
    return Take(folders, "folder choice");
}

QString TFakeDialogs::ChooseFile(QWidget*, const QString& title, const QString& folder,
                                 const QString& fileName, const QString& filter) {
    asked.push_back({"file", title, folder + "|" + fileName + "|" + filter});
    return Take(files, "file choice");
}

QString TFakeDialogs::ChooseSaveFile(QWidget*, const QString& title, const QString& folder,
                                     const QString& fileName, const QString& filter) {
    asked.push_back({"save", title, folder + "|" + fileName + "|" + filter});
    return Take(saveFiles, "file-save choice");
}

QAction* TFakeDialogs::PopupMenu(QMenu* menu, const QPoint&) {
    const QString choice = Take(popupChoices, "pop-up menu");
    for (QAction* a : menu->actions())
        if (a->text() == choice && a->isEnabled()) return a;
    return nullptr;
}

int TFakeDialogs::ExecModal(QDialog* dialog) {
    asked.push_back({"modal", dialog->windowTitle(), dialog->objectName()});
    dialog->show();
    const int result = onModal ? onModal(dialog) : QDialog::Rejected;
    dialog->hide();
    return result;
}

} // namespace korvalt::test
