// Window-test helpers: scripted answers for every dialog, finding controls by
// name, readable QStrings in failure messages.
#pragma once

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "gui/dialogs.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace korvalt::test {

// Answers dialogs from queues and records what was asked. A question or prompt
// with no scripted answer fails the test instead of waiting for a person.
class TFakeDialogs : public TDialogs {
  public:
    TFakeDialogs() { SetDialogs(this); }
    ~TFakeDialogs() override { SetDialogs(nullptr); }

    std::deque<bool> yesNo;
    std::deque<TAnswer> yesNoCancel;
    // Answers of the file-name prompt; std::nullopt leaves it. None: the real prompt.
    std::deque<std::optional<QString>> fileNames;
    std::deque<QString> folders;      // answers of the folder chooser ("" cancels)
    std::deque<QString> files;        // answers of the file-open dialog ("" cancels)
    std::deque<QString> saveFiles;    // answers of the file-save dialog ("" cancels)
    std::deque<QString> popupChoices; // caption of the pop-up entry to choose ("" none)
    // Runs with a modal window shown; returns its result. Without one the window is closed.
    std::function<int(QDialog*)> onModal;

    struct TAsked {
        QString kind, caption, text;
    };
    std::vector<TAsked> asked;

    bool AskYesNo(QWidget*, const QString& caption, const QString& text, bool) override;
    TAnswer AskYesNoCancel(QWidget*, const QString& caption, const QString& text) override;
    void ShowMessage(QWidget*, const QString& caption, const QString& text) override;
    std::optional<QString>
    PromptFileName(QWidget*, const QString& proposal,
                   const std::function<QString(const QString&)>& check) override;
    void OpenExternally(QWidget*, const QString& path) override;
    QString ChooseFolder(QWidget*, const QString& title, const QString& start) override;
    QString ChooseFile(QWidget*, const QString& title, const QString& folder,
                       const QString& fileName, const QString& filter) override;
    QString ChooseSaveFile(QWidget*, const QString& title, const QString& folder,
                           const QString& fileName, const QString& filter) override;
    QAction* PopupMenu(QMenu* menu, const QPoint& globalPos) override;
    int ExecModal(QDialog* dialog) override;
};

template <typename T> T* Find(QObject* root, const char* name) {
    T* w = root->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

} // namespace korvalt::test
