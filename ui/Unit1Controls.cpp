// The editor window as it is stored: every control in creation order, with
// its place, size, tab order, font and colours, then the handlers.

#include <QWidget>
#include <algorithm>
#include <cstring>
#include <utility>

#include "localisation/CaptionLines.h"
#include "platform/AnsiText.h"
#include "platform/Fonts.h"
#include "ui/Unit1.h"

namespace ostrak {
namespace {

// The caption a control shows until the caption table replaces it.
QString DesignCaption(const char* control) {
  for (const StartupCaption& caption : kStartupCaptions) {
    if (std::strcmp(caption.control, control) == 0) return AnsiToQString(caption.designCaption);
  }
  return QString();
}

TFont WhiteFont() {
  TFont font = TahomaFont();
  font.SetColor(clWhite);
  return font;
}

constexpr TControlBevel kSoftBevel{TBevelKind::bkSoft, TBevelCut::bvRaised, TBevelCut::bvLowered};
constexpr TControlBevel kFlatRaisedBevel{TBevelKind::bkFlat, TBevelCut::bvRaised, TBevelCut::bvRaised};

// Builds the controls in order and remembers their tab positions.
class FormBuilder {
public:
  FormBuilder(QWidget& form, std::vector<QWidget*>& components) : form_(form), components_(components) {}

  TImage* Picture(const char* name, int left, int top, int width, int height) {
    auto* image = Add(new TImage(&form_), name);
    image->SetBounds(left, top, width, height);
    return image;
  }

  TLabel* Label(const char* name, int left, int top) {
    auto* label = Add(new TLabel(&form_), name);
    label->SetFont(WhiteFont());
    label->SetCaption(DesignCaption(name));
    label->SetPosition(left, top);
    return label;
  }

  TNavPanelButton* Button(const char* name, int left, int top, int width, int height) {
    auto* button = Add(new TNavPanelButton(&form_), name);
    button->SetBounds(left, top, width, height);
    button->SetCaption(DesignCaption(name));
    button->SetFont(TahomaBoldFont());
    button->SetHotTrackFont(TahomaBoldFont());
    return button;
  }

  // Whole numbers 1 to 20, showing 1 in the window-text colour; its tag is
  // the record line it writes.
  TSpinEdit* AttributeBox(const char* name, int left, int top, int tab, FighterField field) {
    auto* box = Add(new TSpinEdit(&form_), name);
    box->BeginLoading();
    box->SetBounds(left, top, 65, 21);
    box->SetFont(TahomaBoldFont());
    box->SetBorderStyle(TBorderStyle::bsNone);
    box->SetBevelKind(kSoftBevel.kind);
    box->SetTag(LineOf(field));
    ApplyEditorAttributeConfiguration(*box);
    box->EndLoading();
    Tab(box, tab);
    return box;
  }

  TLabeledEdit* Edit(const char* name, int left, int top, int width, int tab,
                     TLabelPosition position = TLabelPosition::lpAbove) {
    auto* edit = Add(new TLabeledEdit(&form_), name);
    edit->SetFont(TahomaFont());
    edit->SetBorderStyle(TBorderStyle::bsNone);
    edit->SetBevelKind(kFlatRaisedBevel.kind);
    edit->SetBevelInner(kFlatRaisedBevel.inner);
    edit->SetBevelOuter(kFlatRaisedBevel.outer);
    edit->EditLabel()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    edit->EditLabel()->SetFont(WhiteFont());
    edit->EditLabel()->SetCaption(DesignCaption(name));
    edit->SetLabelPosition(position);
    edit->SetLabelSpacing(3);
    edit->SetBounds(left, top, width, 21);
    Tab(edit, tab);
    return edit;
  }

  template <std::size_t N>
  TComboBox* List(const char* name, int left, int top, int width, int tab,
                  const std::array<const char*, N>& items) {
    auto* list = Add(new TComboBox(&form_), name);
    list->setGeometry(left, top, width, 21);
    list->SetFont(TahomaFont());
    list->SetBevel(kSoftBevel);
    list->UseRightToLeftReadingWhereTheLocaleDoes();
    for (const char* item : items) list->addItem(AnsiToQString(item));
    list->SetItemIndex(kNoSelection);
    Tab(list, tab);
    return list;
  }

  // Chains the focus from tab position 0 upward.
  void ApplyTabOrder() {
    std::sort(tabOrder_.begin(), tabOrder_.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) {
      QWidget::setTabOrder(tabOrder_[i - 1].second, tabOrder_[i].second);
    }
  }

private:
  template <typename Control>
  Control* Add(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    components_.push_back(control);
    return control;
  }
  void Tab(QWidget* control, int position) {
    control->setFocusPolicy(Qt::StrongFocus);
    tabOrder_.emplace_back(position, control);
  }

  QWidget& form_;
  std::vector<QWidget*>& components_;
  std::vector<std::pair<int, QWidget*>> tabOrder_;
};

}  // namespace

void TForm1::CreateControls() {
  using F = FighterField;
  FormBuilder make(*this, components_);
  imFondo = make.Picture("imFondo", 0, 0, 463, 587);
  imFondo->SetStretch(true);
  Label2 = make.Label("Label2", 24, 181);
  Label3 = make.Label("Label3", 24, 209);
  Label4 = make.Label("Label4", 24, 238);
  Label5 = make.Label("Label5", 24, 267);
  Label6 = make.Label("Label6", 24, 295);
  Label7 = make.Label("Label7", 24, 324);
  Label8 = make.Label("Label8", 24, 352);
  Label9 = make.Label("Label9", 24, 381);
  Label10 = make.Label("Label10", 24, 410);
  Label11 = make.Label("Label11", 256, 181);
  Label12 = make.Label("Label12", 256, 238);
  Label13 = make.Label("Label13", 256, 266);
  Label14 = make.Label("Label14", 257, 289);
  Label15 = make.Label("Label15", 256, 322);
  Label16 = make.Label("Label16", 256, 350);
  Label17 = make.Label("Label17", 256, 378);
  Label18 = make.Label("Label18", 257, 407);
  NavPanelButton1 = make.Button("NavPanelButton1", 222, 508, 114, 28);
  NavPanelButton2 = make.Button("NavPanelButton2", 116, 508, 107, 28);
  NavPanelButton3 = make.Button("NavPanelButton3", 398, 508, 44, 28);
  Label1 = make.Label("Label1", 24, 474);
  Label19 = make.Label("Label19", 24, 447);
  NavPanelButton4 = make.Button("NavPanelButton4", 24, 508, 93, 28);
  Suelo = make.Label("Suelo", 256, 209);
  imIdioma = make.Picture("imIdioma", 417, -1, 45, 30);
  imIdioma->setCursor(Qt::PointingHandCursor);
  NavPanelButton5 = make.Button("NavPanelButton5", 334, 508, 58, 28);
  spPunch = make.AttributeBox("spPunch", 136, 173, 6, F::Punches);
  spKick = make.AttributeBox("spKick", 136, 201, 7, F::Kicks);
  spClinch = make.AttributeBox("spClinch", 136, 258, 9, F::Clinch);
  spStrenght = make.AttributeBox("spStrenght", 136, 230, 8, F::Strength);
  spAgility = make.AttributeBox("spAgility", 136, 287, 10, F::Agility);
  spDodge = make.AttributeBox("spDodge", 136, 315, 11, F::Dodge);
  spMotivation = make.AttributeBox("spMotivation", 136, 344, 12, F::Motivation);
  spTD = make.AttributeBox("spTD", 136, 374, 13, F::Takedowns);
  spTDDef = make.AttributeBox("spTDDef", 136, 401, 14, F::TakedownDefence);
  spGnP = make.AttributeBox("spGnP", 368, 173, 15, F::GroundAndPound);
  spSub = make.AttributeBox("spSub", 368, 230, 17, F::Submission);
  spSubDef = make.AttributeBox("spSubDef", 368, 258, 18, F::SubmissionDefence);
  spStamina = make.AttributeBox("spStamina", 368, 286, 19, F::Stamina);
  spFortitude = make.AttributeBox("spFortitude", 368, 314, 20, F::Fortitude);
  spPace = make.AttributeBox("spPace", 368, 342, 21, F::Pace);
  spAgressivity = make.AttributeBox("spAgressivity", 368, 370, 22, F::Aggressivity);
  spKORes = make.AttributeBox("spKORes", 368, 397, 23, F::KOResistance);
  edNombre = make.Edit("edNombre", 24, 52, 201, 0);
  edNombreCorto = make.Edit("edNombreCorto", 231, 52, 201, 1);
  edEstatura = make.Edit("edEstatura", 24, 92, 201, 2);
  edPeso = make.Edit("edPeso", 231, 92, 201, 3);
  cbCatPeso = make.List("cbCatPeso", 79, 466, 218, 24, kWeightClassItems);
  cbGamePlan = make.List("cbGamePlan", 79, 439, 112, 25, kGamePlanItems);
  spGroundGame = make.AttributeBox("spGroundGame", 368, 200, 16, F::GroundGame);
  lbNacionalidad = make.Edit("lbNacionalidad", 24, 134, 201, 4);
  lbFechaNac = make.Edit("lbFechaNac", 231, 134, 201, 5);
  edSherdog = make.Edit("edSherdog", 312, 439, 120, 26, TLabelPosition::lpLeft);
  make.ApplyTabOrder();
  // Each label names its control for assistive technology.
  const std::pair<TLabel*, QWidget*> named[] = {
      {Label2, spPunch},        {Label3, spKick},     {Label4, spStrenght},   {Label5, spClinch},
      {Label6, spAgility},      {Label7, spDodge},    {Label8, spMotivation}, {Label9, spTD},
      {Label10, spTDDef},       {Label11, spGnP},     {Suelo, spGroundGame},  {Label12, spSub},
      {Label13, spSubDef},      {Label14, spStamina}, {Label15, spFortitude}, {Label16, spPace},
      {Label17, spAgressivity}, {Label18, spKORes},   {Label19, cbGamePlan},  {Label1, cbCatPeso}};
  for (const auto& [label, control] : named) label->SetFocusControl(control);

  OpenDialog1.SetTitle(QStringLiteral("Abrir luchador"));
  SaveDialog1.SetTitle(QStringLiteral("Guardar luchador"));
  SaveDialog1.SetFilters(
      {{QStringLiteral("Texto"), QStringLiteral("*.txt")}, {QStringLiteral("Todos"), QStringLiteral("*.*")}});
  SaveDialog1.SetFilterIndex(1);
  SaveDialog1.SetDefaultExt(QStringLiteral("txt"));
  SaveDialog1.SetOnExistingFile(ExistingFile::AskBeforeReplacing);
}

void TForm1::AssignHandlers() {
  for (FighterField field : kAttributeFields) {
    AttributeBox(field).OnChange = [this](QObject* sender) { spPunchChange(sender); };
  }
  edNombre->OnChange = [this](QObject* sender) { edNombreChange(sender); };
  edNombreCorto->OnChange = [this](QObject* sender) { edNombreCortoChange(sender); };
  edEstatura->OnChange = [this](QObject* sender) { edEstaturaChange(sender); };
  edPeso->OnChange = [this](QObject* sender) { edPesoChange(sender); };
  lbNacionalidad->OnChange = [this](QObject* sender) { lbNacionalidadChange(sender); };
  lbFechaNac->OnChange = [this](QObject* sender) { lbFechaNacChange(sender); };
  edSherdog->OnChange = [this](QObject* sender) { edSherdogChange(sender); };
  cbGamePlan->OnChange = [this](QObject* sender) { cbGamePlanChange(sender); };
  cbCatPeso->OnChange = [this](QObject* sender) { cbCatPesoChange(sender); };
  NavPanelButton1->OnClick = [this](QObject* sender) { NavPanelButton1Click(sender); };
  NavPanelButton2->OnClick = [this](QObject* sender) { NavPanelButton2Click(sender); };
  NavPanelButton3->OnClick = [this](QObject* sender) { NavPanelButton3Click(sender); };
  NavPanelButton4->OnClick = [this](QObject* sender) { NavPanelButton4Click(sender); };
  NavPanelButton5->OnClick = [this](QObject* sender) { NavPanelButton5Click(sender); };
  imIdioma->OnClick = [this](QObject* sender) { imIdiomaClick(sender); };
  OpenDialog1.OnShow = [this] { OpenDialog1Show(); };
  SaveDialog1.OnShow = [this] { SaveDialog1Show(); };
}

}  // namespace ostrak
