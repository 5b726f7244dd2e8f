#include "peers/StockEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <cstring>
#include <numeric>

#include "localisation/CaptionLines.h"
#include "record/FighterLayout.h"

namespace ostrak::bench {
namespace {

QString CaptionOf(const char* control) {
  for (const StartupCaption& caption : kStartupCaptions) {
    if (std::strcmp(caption.control, control) == 0) return QString::fromLatin1(caption.designCaption);
  }
  return QString();
}

struct Place {
  const char* name;
  int left, top, width, height;
};

// The editor's controls, grouped by the stock widget that stands in for them.
constexpr Place kLabels[] = {
    {"Label2", 24, 181, 0, 0},   {"Label3", 24, 209, 0, 0},   {"Label4", 24, 238, 0, 0},
    {"Label5", 24, 267, 0, 0},   {"Label6", 24, 295, 0, 0},   {"Label7", 24, 324, 0, 0},
    {"Label8", 24, 352, 0, 0},   {"Label9", 24, 381, 0, 0},   {"Label10", 24, 410, 0, 0},
    {"Label11", 256, 181, 0, 0}, {"Label12", 256, 238, 0, 0}, {"Label13", 256, 266, 0, 0},
    {"Label14", 257, 289, 0, 0}, {"Label15", 256, 322, 0, 0}, {"Label16", 256, 350, 0, 0},
    {"Label17", 256, 378, 0, 0}, {"Label18", 257, 407, 0, 0}, {"Label1", 24, 474, 0, 0},
    {"Label19", 24, 447, 0, 0},  {"Suelo", 256, 209, 0, 0},
};
constexpr Place kButtons[] = {
    {"NavPanelButton1", 222, 508, 114, 28}, {"NavPanelButton2", 116, 508, 107, 28},
    {"NavPanelButton3", 398, 508, 44, 28},  {"NavPanelButton4", 24, 508, 93, 28},
    {"NavPanelButton5", 334, 508, 58, 28},
};
constexpr Place kSpinBoxes[] = {
    {"spPunch", 136, 173, 65, 21},      {"spKick", 136, 201, 65, 21},
    {"spClinch", 136, 258, 65, 21},     {"spStrenght", 136, 230, 65, 21},
    {"spAgility", 136, 287, 65, 21},    {"spDodge", 136, 315, 65, 21},
    {"spMotivation", 136, 344, 65, 21}, {"spTD", 136, 374, 65, 21},
    {"spTDDef", 136, 401, 65, 21},      {"spGnP", 368, 173, 65, 21},
    {"spSub", 368, 230, 65, 21},        {"spSubDef", 368, 258, 65, 21},
    {"spStamina", 368, 286, 65, 21},    {"spFortitude", 368, 314, 65, 21},
    {"spPace", 368, 342, 65, 21},       {"spAgressivity", 368, 370, 65, 21},
    {"spKORes", 368, 397, 65, 21},      {"spGroundGame", 368, 200, 65, 21},
};
// Each with its label 3 pixels above it, or to its left for the last.
constexpr Place kEdits[] = {
    {"edNombre", 24, 52, 201, 21},    {"edNombreCorto", 231, 52, 201, 21},  {"edEstatura", 24, 92, 201, 21},
    {"edPeso", 231, 92, 201, 21},     {"lbNacionalidad", 24, 134, 201, 21}, {"lbFechaNac", 231, 134, 201, 21},
    {"edSherdog", 312, 439, 120, 21},
};

template <std::size_t N>
void AddList(QWidget& window, int left, int top, int width, const std::array<const char*, N>& items) {
  auto* list = new QComboBox(&window);
  list->setGeometry(left, top, width, 21);
  for (const char* item : items) list->addItem(QString::fromLatin1(item));
  list->setCurrentIndex(-1);
}

}  // namespace

StockEditor::StockEditor() {
  setWindowTitle(QStringLiteral("Stock window"));
  setFixedSize(463, 587);
  for (const Place& place : kLabels) {
    auto* label = new QLabel(CaptionOf(place.name), this);
    label->move(place.left, place.top);
  }
  for (const Place& place : kButtons) {
    auto* button = new QPushButton(CaptionOf(place.name), this);
    button->setGeometry(place.left, place.top, place.width, place.height);
    if (std::strcmp(place.name, "NavPanelButton5") == 0) evaluate_ = button;
  }
  for (const Place& place : kSpinBoxes) {
    auto* box = new QSpinBox(this);
    box->setGeometry(place.left, place.top, place.width, place.height);
    box->setRange(1, 20);
    box->setAlignment(Qt::AlignRight);
    boxes_.push_back(box);
  }
  for (const Place& place : kEdits) {
    auto* edit = new QLineEdit(this);
    edit->setGeometry(place.left, place.top, place.width, place.height);
    auto* label = new QLabel(CaptionOf(place.name), this);
    label->adjustSize();
    if (std::strcmp(place.name, "edSherdog") == 0) {
      label->move(place.left - label->width() - 3, place.top + (place.height - label->height()) / 2);
    } else {
      label->move(place.left, place.top - label->height() - 3);
    }
  }
  AddList(*this, 79, 466, 218, kWeightClassItems);
  AddList(*this, 79, 439, 112, kGamePlanItems);
  auto* flag = new QLabel(this);
  flag->setGeometry(417, -1, 45, 30);
}

StockEvaluation::StockEvaluation(StockEditor& editor) : QDialog(&editor), editor_(editor) {
  setFixedSize(294, 148);
  constexpr int kTops[] = {8, 28, 48, 68, 88, 117};
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    bars_[i] = new QProgressBar(this);
    bars_[i]->setGeometry(9, kTops[i], 276, 20);
    bars_[i]->setRange(0, 100);
  }
  connect(editor.EvaluateButton(), &QPushButton::clicked, this, &StockEvaluation::Evaluate);
}

// The bars' numbers are plain averages of six groups of three boxes: the
// work of a rating, not its rules.
void StockEvaluation::Evaluate() {
  static const char* const kNames[] = {"Ground", "Striking", "Defense", "Fitness", "Mental", "Overall"};
  const std::vector<QSpinBox*>& boxes = editor_.SpinBoxes();
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    int sum = 0;
    for (std::size_t j = 0; j < 3; ++j) sum += boxes[(3 * i + j) % boxes.size()]->value();
    bars_[i]->setValue(sum * 100 / 60);
    bars_[i]->setFormat(QString::fromLatin1(kNames[i]) + QStringLiteral(" %p%"));
  }
  setWindowTitle(CaptionOf("NavPanelButton5"));
  show();
  raise();
  activateWindow();
}

}  // namespace ostrak::bench
