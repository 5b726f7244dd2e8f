#pragma once

// TForm1: the editor window. It owns the fighter record and the language
// settings, wires every control to its record line and runs the commands:
// save, load, clear all, exit, evaluate and the language toggle. Controls
// are created in the window's stored order (which Clear all follows), with
// their properties, then the handlers are assigned, then FormCreate runs.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "localisation/LanguageSettings.h"
#include "platform/FileDialog.h"
#include "record/FighterRecord.h"
#include "ui/ComboBox.h"
#include "ui/Image.h"
#include "ui/LabeledEdit.h"
#include "ui/SaveProposal.h"
#include "ui/TextLabel.h"
#include "widgets/navigation/NavigationPane.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {

class Dialogs;
class EditorCommands;
class FormDraft;
namespace recorded {
class KeptHistory;
}
class FormUndo;

inline constexpr const char* kApplicationTitle = "Ostrak Editor";

class TForm1 : public QWidget {
  Q_OBJECT

public:
  // `dialogs` must outlive the window; data files are looked up in
  // `programDirectory`, which ends in '/'. The settings file is `settings`,
  // by default the one beside the program.
  TForm1(Dialogs& dialogs, std::string programDirectory, QWidget* parent = nullptr);
  TForm1(Dialogs& dialogs, std::string programDirectory, SettingsPlace settings, QWidget* parent = nullptr);
  ~TForm1() override;

  // The window that Evaluate shows; the evaluation window registers itself,
  // and the commands' shortcuts and context menu work in it too.
  void SetEvaluationWindow(QWidget* window);
  // What the Roster command opens; the roster window's wing hands it over,
  // so the editor knows nothing of that window.
  void SetRosterOpener(std::function<void()> open) { rosterOpener_ = std::move(open); }
  // What the Save card command runs; the card's wing hands it over.
  void SetCardSaver(std::function<void()> save) { cardSaver_ = std::move(save); }
  // Raised after a control's change has reached the record, from inside the
  // change (a load or a clear raises it once per control that changed).
  std::function<void()> OnRecordChange;

  // Null before FormCreate and after FormClose.
  FighterRecord* Record() const { return record_.get(); }
  const LanguageSettings& Language() const { return language_; }
  // Line `line` of the caption table; without one, or beyond its end, the
  // text the editor shows without a table (see CaptionOrDefault).
  QString CaptionText(int line) const;

  // The attribute box of an attribute field, the edit of a text field.
  TSpinEdit& AttributeBox(FighterField field) const;
  TLabeledEdit& TextEdit(FighterField field) const;
  // The control that writes the field's line.
  QWidget* FieldControl(FighterField field) const { return fieldControls_[static_cast<std::size_t>(field)]; }

  // The form's undo steps, from the end of the window's creation on.
  FormUndo& UndoHistory() const { return *undo_; }

  TImage* imFondo;
  TLabel* Label2;
  TLabel* Label3;
  TLabel* Label4;
  TLabel* Label5;
  TLabel* Label6;
  TLabel* Label7;
  TLabel* Label8;
  TLabel* Label9;
  TLabel* Label10;
  TLabel* Label11;
  TLabel* Label12;
  TLabel* Label13;
  TLabel* Label14;
  TLabel* Label15;
  TLabel* Label16;
  TLabel* Label17;
  TLabel* Label18;
  TNavPanelButton* NavPanelButton1;
  TNavPanelButton* NavPanelButton2;
  TNavPanelButton* NavPanelButton3;
  TLabel* Label1;
  TLabel* Label19;
  TNavPanelButton* NavPanelButton4;
  TLabel* Suelo;
  TImage* imIdioma;
  TNavPanelButton* NavPanelButton5;
  TSpinEdit* spPunch;
  TSpinEdit* spKick;
  TSpinEdit* spClinch;
  TSpinEdit* spStrenght;
  TSpinEdit* spAgility;
  TSpinEdit* spDodge;
  TSpinEdit* spMotivation;
  TSpinEdit* spTD;
  TSpinEdit* spTDDef;
  TSpinEdit* spGnP;
  TSpinEdit* spSub;
  TSpinEdit* spSubDef;
  TSpinEdit* spStamina;
  TSpinEdit* spFortitude;
  TSpinEdit* spPace;
  TSpinEdit* spAgressivity;
  TSpinEdit* spKORes;
  TLabeledEdit* edNombre;
  TLabeledEdit* edNombreCorto;
  TLabeledEdit* edEstatura;
  TLabeledEdit* edPeso;
  TComboBox* cbCatPeso;
  TComboBox* cbGamePlan;
  TSpinEdit* spGroundGame;
  TLabeledEdit* lbNacionalidad;
  TLabeledEdit* lbFechaNac;
  TLabeledEdit* edSherdog;
  TFileDialog OpenDialog1{FileDialogKind::Open};
  TFileDialog SaveDialog1{FileDialogKind::Save};

  // The load command on a file already chosen (the open dialog's, the
  // roster's, the command line's, a drop's): all-or-nothing, the
  // load-failure notice on failure. True when the fighter was loaded; the
  // open and save dialogs then start in its folder.
  bool LoadFighterFile(const QString& path);
  // A fighter given from outside the open dialog (the command line, a drop):
  // loaded as above, and the open dialog next starts in its folder.
  void OpenFighterFile(const QString& path);

  // The handlers, under the names the controls know them by.
  void FormCreate(QObject* sender);
  void FormClose(QObject* sender);
  void spPunchChange(QObject* sender);
  void edNombreChange(QObject* sender);
  void edNombreCortoChange(QObject* sender);
  void edEstaturaChange(QObject* sender);
  void edPesoChange(QObject* sender);
  void lbNacionalidadChange(QObject* sender);
  void lbFechaNacChange(QObject* sender);
  void edSherdogChange(QObject* sender);
  void cbGamePlanChange(QObject* sender);
  void cbCatPesoChange(QObject* sender);
  void NavPanelButton1Click(QObject* sender);
  void NavPanelButton2Click(QObject* sender);
  void NavPanelButton3Click(QObject* sender);
  void NavPanelButton4Click(QObject* sender);
  void NavPanelButton5Click(QObject* sender);
  void imIdiomaClick(QObject* sender);
  void OpenRoster(QObject* sender);
  void SaveCard(QObject* sender);
  // In ui/Unit1Access.cpp: undo and redo of the form, and whether the
  // focused edit takes its own typing back first.
  void UndoFormChange(QObject* sender);
  void RedoFormChange(QObject* sender);
  bool EditUndoesFirst(const QObject* control) const;
  bool EditRedoesFirst(const QObject* control) const;
  // "Recover unsaved fighter": the form as a run of the editor left it at
  // exit, as one undoable step; says so when none was kept.
  void RecoverUnsavedFighter(QObject* sender);
  void OpenDialog1Show();
  void SaveDialog1Show();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  // In ui/Unit1Controls.cpp: the stored form.
  void CreateControls();
  void AssignHandlers();
  // In ui/Unit1Language.cpp.
  void LoadLanguage();
  void ApplyCaption(const char* controlName, const QString& caption);
  // Sets the controls from the record's lines in the load order.
  void LoadControlsFromRecord();
  void ShowLoadFailure();
  // Shows why the save cannot write the form, when it cannot.
  bool RefuseCharactersWithoutByte();
  // Writes the form's lines to `path`, recorded in the user's history; says
  // once a run why a save has no history, when it has none.
  void SaveRecorded(const std::string& path);
  // In ui/Unit1Access.cpp: the shortcuts, the context menu and file drops,
  // once the captions are set.
  void AttachKeyboardAndDrops();
  // Once, after the controls exist: each field's control by the name the
  // field table gives it, so the handlers and Evaluate need no search.
  void FindFieldControls();
  FighterRecord& LiveRecord() const;
  void PutText(FighterField field, QObject* sender);
  // The change of `field`'s control has reached the record.
  void RecordChanged(FighterField field);

  Dialogs& dialogs_;
  std::string programDirectory_;
  std::unique_ptr<FighterRecord> record_;
  LanguageSettings language_;
  QWidget* evaluationWindow_ = nullptr;
  std::function<void()> rosterOpener_;
  std::function<void()> cardSaver_;
  OpenedFighter opened_;                // what the save proposes
  std::string noHistoryTold_;           // why saves have no history, as last said
  EditorCommands* commands_ = nullptr;  // a child of the window
  FormUndo* undo_ = nullptr;            // a child of the window
  // The user's history, opened at the first save or draft and kept.
  std::unique_ptr<recorded::KeptHistory> history_;
  std::unique_ptr<FormDraft> draft_;  // after the history, which it uses
  // Every control, in creation order.
  std::vector<QWidget*> components_;
  std::array<QWidget*, kFighterFieldCount> fieldControls_{};
};

}  // namespace ostrak
