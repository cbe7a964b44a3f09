// The main window: the menu that leads to every command of Korvalt, the
// working-folder setting (KORVALT.INI in the settings folder), the template
// catalogue under "Neues Modul", and the parameter panel in which a template
// section is chosen, its parameters typed and the VHDL file generated. The
// panel also shows the section's description, the findings of the template
// check, and a preview of the file as it would be written now.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/folders.h"
#include "common/strings.h"
#include "gui/paramgrid.h"
#include "template/lint.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace korvalt {

class TStartView;
class TStatusLine;

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    // programDir: the program's folder with a trailing separator; KORVALT.INI
    // and the Template folder live there (the portable layout).
    explicit TMainForm(const std::string& programDir, QWidget* parent = nullptr);
    // The folders of either layout.
    explicit TMainForm(const TFolders& folders, QWidget* parent = nullptr);
    ~TMainForm() override;

    const std::string& ProgramDir() const { return ProgramDir_; }
    const std::string& TemplateDir() const { return TemplateDir_; }
    const std::string& WorkingDir() const { return WorkingDir_; }
    const std::string& TemplateFile() const { return TemplateFile_; }
    const TStrings& TemplateList() const { return TemplateList_; }
    QString StatusText() const;
    // What the last command came to, beside the status text.
    QString Meldung() const;
    void ShowEinstellPanel(bool show);

  public slots:
    void MenuSelectClick(int index);
    void SubAuswahlCBChange();
    void makeHDLBTNClick();
    void AbbruchBTNClick();
    void EinstellungenClick();
    void MooreAutomatClick();
    void MealyAutomatClick();
    // The state-machine editor of a kind, with a file opened in it when one is named.
    void OpenAutomat(bool moore, const QString& file = {});
    void Komponente_einfuegenClick();
    void TestbenchClick();
    void TestbenchVhdlClick();
    void Hilfe2Click();
    void AboutClick();
    void BeendenClick();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateControls();
    void CreateMenu();
    void ScanTemplates();
    void SetStatusText(const QString& text);
    void StringGridSetEditText(int col, int row, const QString& text);
    void LayoutPanel();
    void WriteTestbenchOf(
        const std::function<TResult<TWritten>(const std::string&, const TStrings&)>& write);
    // The selected section, or none.
    const TTemplateSection* SelectedSection() const;
    // The grid's parameters as the expansion takes them.
    std::vector<TParam> GridParams() const;
    // The description and the check findings of the selected section.
    void ShowSectionInfo();
    // The preview: the selected section expanded with the grid's values, for
    // the file name the prompt proposes.
    void UpdatePreview();
    void VorschauCheckBoxClick(bool checked);

    std::string ProgramDir_, TemplateDir_, WorkingDir_, TemplateFile_;
    std::string SettingsDir_, DataDir_;
    TStrings TemplateDirs_;
    TStrings TemplateList_;
    // The current template's sections, each with its own findings of the
    // template check, and the findings about the file as a whole.
    struct TShownSection {
        TTemplateSection section;
        std::size_t bodyOf = 0; // the section whose body is written: the first of the name
        std::vector<TFinding> findings;
    };
    std::vector<TShownSection> Sections_;
    std::vector<TFinding> FileFindings_;
    bool buildingGrid_ = false;

    QFrame* Modelpanel;
    QGroupBox* EinstellungenGB;
    TStringGrid* StringGrid;
    QComboBox* SubAuswahlCB;
    QFrame* BTNPanel;
    QPushButton* AbbruchBTN;
    QPushButton* makeHDLBTN;
    QLabel* BeschreibungLabel;
    QLabel* PruefungLabel;
    QCheckBox* VorschauCheckBox;
    QPlainTextEdit* VorschauMemo;
    std::unique_ptr<TStatusLine> Status;
    TStartView* StartView;
    QMenu* NeuesModul;
};

} // namespace korvalt
