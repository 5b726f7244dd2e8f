#include "ui/roster/BulkSetDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/ErrorGuard.h"
#include "record/FighterColumns.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/RosterJournal.h"
#include "ui/roster/RosterModel.h"

namespace ostrak::roster {

namespace {

enum Page { NumberPage, ItemPage, TextPage };

Page PageOf(int column) {
  if (RosterModel::IsAttribute(column)) return NumberPage;
  if (column == RosterModel::WeightClass || column == RosterModel::GamePlan) return ItemPage;
  return TextPage;
}

}  // namespace

BulkSetDialog::BulkSetDialog(std::string folder, std::vector<BulkTarget> targets, const RosterModel& model,
                             Threading threading, QWidget* parent)
    : QDialog(parent),
      folder_(std::move(folder)),
      targets_(std::move(targets)),
      captions_(CaptionsOf(model)),
      worker_(threading) {
  setObjectName(QStringLiteral("BulkSetDialog"));
  setWindowTitle(tr("Set for selected"));
  setWindowModality(Qt::WindowModal);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  target_ = new QComboBox(this);
  target_->setObjectName(QStringLiteral("target"));
  for (const BulkTarget& target : targets_)
    target_->addItem(
        tr("%1 (%n fighters)", nullptr, static_cast<int>(target.files.size())).arg(target.label));
  form->addRow(tr("&Fighters:"), target_);
  field_ = new QComboBox(this);
  field_->setObjectName(QStringLiteral("field"));
  for (int column = 0; column < RosterModel::ColumnCount; ++column) {
    if (!RosterModel::FieldOf(column)) continue;
    fieldColumns_.push_back(column);
    field_->addItem(model.headerData(column, Qt::Horizontal).toString());
  }
  form->addRow(tr("F&ield:"), field_);
  operation_ = new QComboBox(this);
  operation_->setObjectName(QStringLiteral("operation"));
  form->addRow(tr("&Change:"), operation_);

  values_ = new QStackedWidget(this);
  number_ = new QSpinBox(values_);
  number_->setObjectName(QStringLiteral("number"));
  number_->setAccessibleName(tr("Number"));
  values_->addWidget(number_);
  item_ = new QComboBox(values_);
  item_->setObjectName(QStringLiteral("item"));
  item_->setAccessibleName(tr("Item"));
  values_->addWidget(item_);
  auto* texts = new QWidget(values_);
  auto* textForm = new QFormLayout(texts);
  textForm->setContentsMargins(0, 0, 0, 0);
  find_ = new QLineEdit(texts);
  find_->setObjectName(QStringLiteral("find"));
  findLabel_ = new QLabel(tr("Fin&d:"), texts);
  findLabel_->setBuddy(find_);
  textForm->addRow(findLabel_, find_);
  text_ = new QLineEdit(texts);
  text_->setObjectName(QStringLiteral("text"));
  auto* textLabel = new QLabel(tr("&Text:"), texts);
  textLabel->setBuddy(text_);
  textForm->addRow(textLabel, text_);
  values_->addWidget(texts);
  form->addRow(tr("&Value:"), values_);
  layout->addLayout(form);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextFormat(Qt::PlainText);
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  preview_ = new ChangePreview(this);
  layout->addWidget(preview_, 1);
  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(tr("Applying the change"));
  progress_->hide();
  layout->addWidget(progress_);

  auto* buttons = new QDialogButtonBox(this);
  previewButton_ = buttons->addButton(tr("&Preview"), QDialogButtonBox::ActionRole);
  apply_ = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
  apply_->setDefault(true);
  layout->addWidget(buttons);
  connect(previewButton_, &QPushButton::clicked, this, [this] { Guard([this] { RunPreview(); }); });
  connect(apply_, &QPushButton::clicked, this, [this] { Guard([this] { RunApply(); }); });
  connect(cancel_, &QPushButton::clicked, this, &BulkSetDialog::reject);

  connect(field_, &QComboBox::currentIndexChanged, this, [this] { FieldChosen(); });
  connect(operation_, &QComboBox::currentIndexChanged, this, [this] { OperationChosen(); });
  for (QComboBox* combo : {target_, item_})
    connect(combo, &QComboBox::currentIndexChanged, this, [this] { Changed(); });
  connect(number_, &QSpinBox::valueChanged, this, [this] { Changed(); });
  for (QLineEdit* edit : {text_, find_}) connect(edit, &QLineEdit::textChanged, this, [this] { Changed(); });
  FieldChosen();
  resize(760, 520);
}

BulkSetDialog::~BulkSetDialog() = default;

const std::vector<std::string>& BulkSetDialog::Files() const {
  static const std::vector<std::string> none;
  const int index = target_->currentIndex();
  return index >= 0 ? targets_[static_cast<std::size_t>(index)].files : none;
}

void BulkSetDialog::FieldChosen() {
  const int column = fieldColumns_[static_cast<std::size_t>(std::max(field_->currentIndex(), 0))];
  const QSignalBlocker blocked(operation_);
  operation_->clear();
  item_->clear();
  switch (PageOf(column)) {
    case NumberPage:
      operation_->addItems({tr("= N"), tr("+ N"), tr("− N")});
      break;
    case ItemPage:
      operation_->addItem(tr("= item"));
      if (column == RosterModel::WeightClass) {
        for (const char* item : kWeightClassItems) item_->addItem(QString::fromLatin1(item));
      } else {
        for (const char* item : kGamePlanItems) item_->addItem(QString::fromLatin1(item));
      }
      break;
    case TextPage:
      operation_->addItems({tr("New text"), tr("Find and replace")});
      break;
  }
  values_->setCurrentIndex(PageOf(column));
  OperationChosen();
}

void BulkSetDialog::OperationChosen() {
  const SetExpression expression = Expression();
  if (expression.operation == SetOperation::Assign) {
    number_->setRange(1, 20);
  } else {
    number_->setRange(1, 19);
  }
  find_->setVisible(expression.operation == SetOperation::Replace);
  findLabel_->setVisible(expression.operation == SetOperation::Replace);
  Changed();
}

// A preview shown no longer tells what the controls say.
void BulkSetDialog::Changed() {
  if (busy_) return;
  plan_.reset();
  preview_->Show({});
  summary_->clear();
}

SetExpression BulkSetDialog::Expression() const {
  const int column = fieldColumns_[static_cast<std::size_t>(std::max(field_->currentIndex(), 0))];
  SetExpression expression;
  expression.column = kLineColumns[static_cast<std::size_t>(LineOf(*RosterModel::FieldOf(column)))];
  const int operation = std::max(operation_->currentIndex(), 0);
  switch (PageOf(column)) {
    case NumberPage:
      expression.operation = operation == 1   ? SetOperation::Add
                             : operation == 2 ? SetOperation::Subtract
                                              : SetOperation::Assign;
      expression.value = std::to_string(number_->value());
      break;
    case ItemPage:
      expression.value =
          std::to_string(column == RosterModel::WeightClass ? WeightClassCodeFromIndex(item_->currentIndex())
                                                            : GamePlanCodeFromIndex(item_->currentIndex()));
      break;
    case TextPage:
      if (operation == 1) {
        expression.operation = SetOperation::Replace;
        expression.find = find_->text().toUtf8().toStdString();
      }
      expression.value = text_->text().toUtf8().toStdString();
      break;
  }
  return expression;
}

void BulkSetDialog::RunPreview() { Plan(false); }

void BulkSetDialog::RunApply() {
  if (plan_) {
    Commit();
  } else {
    Plan(true);
  }
}

void BulkSetDialog::Plan(bool thenCommit) {
  if (busy_) return;
  busy_ = true;
  previewButton_->setEnabled(false);
  apply_->setEnabled(false);
  summary_->setText(tr("Checking the files…"));
  RosterOptions options;
  options.base = folder_;
  options.missingFolders = MissingFolders::Refuse;
  worker_.Post([this, files = Files(), expression = Expression(), options, captions = captions_, thenCommit] {
    auto plan = std::make_shared<RosterPlan>(PlanSet(files, {expression}, options));
    auto lines = std::make_shared<PreviewLines>(PreviewOf(plan, captions));
    worker_.Deliver(this, [this, plan, lines, thenCommit] { Planned(plan, std::move(*lines), thenCommit); });
  });
}

void BulkSetDialog::Planned(const std::shared_ptr<RosterPlan>& plan, PreviewLines lines, bool thenCommit) {
  busy_ = false;
  previewButton_->setEnabled(true);
  apply_->setEnabled(true);
  const auto& files = plan->Files();
  const auto count = [&](Action action) {
    return std::count_if(files.begin(), files.end(),
                         [action](const PlannedFile& file) { return file.action == action; });
  };
  QString summary = tr("%1 to change, %2 unchanged; problems: %3.")
                        .arg(count(Action::Replace))
                        .arg(count(Action::Unchanged))
                        .arg(plan->Problems().size());
  if (!plan->Problems().empty())
    summary += QLatin1Char(' ') + tr("Nothing can be applied until every problem is mended.");
  summary_->setText(summary);
  preview_->Show(std::move(lines));
  plan_ = plan;
  emit Previewed();
  if (thenCommit) Commit();
}

void BulkSetDialog::Commit() {
  if (!plan_ || busy_) return;
  if (!plan_->Problems().empty()) return;  // the preview says why
  if (plan_->ChangeCount() == 0) {
    summary_->setText(tr("The change leaves every file as it is."));
    return;
  }
  busy_ = true;
  previewButton_->setEnabled(false);
  apply_->setEnabled(false);
  cancel_->setEnabled(false);
  progress_->setRange(0, 0);
  progress_->show();
  const std::string words = tr("Set %1 of %n fighters", nullptr, static_cast<int>(plan_->ChangeCount()))
                                .arg(field_->currentText())
                                .toStdString();
  worker_.Post([this, plan = plan_, words] {
    const std::unique_ptr<CommitJournal> journal = RosterJournal(words);
    const CommitResult result = roster::Commit(
        *plan,
        [this](std::size_t done, std::size_t total) {
          worker_.Deliver(this, [this, done, total] {
            progress_->setRange(0, static_cast<int>(std::max<std::size_t>(total, 1)));
            progress_->setValue(static_cast<int>(done));
          });
        },
        journal.get());
    worker_.Deliver(this, [this, result] { Committed(result); });
  });
}

void BulkSetDialog::Committed(const CommitResult& result) {
  busy_ = false;
  progress_->hide();
  cancel_->setEnabled(true);
  plan_.reset();
  if (result.ok()) {
    emit Applied(true);
    done(QDialog::Accepted);
    return;
  }
  previewButton_->setEnabled(true);
  apply_->setEnabled(true);
  summary_->setText(
      tr("Nothing was changed: %1: %2")
          .arg(MessageToQString(result.failure->file), TranslateEngineMessage(result.failure->message)));
  emit Applied(false);
}

// Once the commit runs, it runs to its end.
void BulkSetDialog::reject() {
  if (!busy_) QDialog::reject();
}

}  // namespace ostrak::roster
