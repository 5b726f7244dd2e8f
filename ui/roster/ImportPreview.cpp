#include "ui/roster/ImportPreview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/roster/EngineMessages.h"

namespace ostrak::roster {

ImportPreview::ImportPreview(const QString& table, const RosterPlan& plan, PreviewLines lines,
                             const std::vector<std::string>& recovered, QWidget* parent, ImportMatch match)
    : QDialog(parent) {
  setObjectName(QStringLiteral("ImportPreview"));
  setWindowTitle(tr("Import %1").arg(table));
  setWindowModality(Qt::WindowModal);
  auto* layout = new QVBoxLayout(this);

  const auto& planned = plan.Files();
  const auto count = [&](Action action) {
    return std::count_if(planned.begin(), planned.end(),
                         [action](const PlannedFile& file) { return file.action == action; });
  };
  QString summary = tr("%1 to create, %2 to replace, %3 unchanged; problems: %4.")
                        .arg(count(Action::Create))
                        .arg(count(Action::Replace))
                        .arg(count(Action::Unchanged))
                        .arg(plan.Problems().size());
  if (!plan.Problems().empty()) {
    summary += QLatin1Char(' ') + tr("Nothing can be applied until every problem is mended.");
  } else if (plan.ChangeCount() == 0) {
    summary += QLatin1Char(' ') + tr("The table changes nothing.");
  }
  // How the table was read, and what an import cut short left and was put back.
  for (const std::string& note : plan.Notes()) summary += QLatin1Char('\n') + TranslateEngineMessage(note);
  if (!recovered.empty()) summary += QLatin1Char('\n') + tr("An import cut short before was put back first:");
  for (const std::string& line : recovered) summary += QLatin1Char('\n') + TranslateEngineMessage(line);
  summary_ = new QLabel(summary, this);
  summary_->setTextFormat(Qt::PlainText);
  summary_->setWordWrap(true);
  layout->addWidget(summary_);

  matchById_ = new QCheckBox(tr("Match rows by &Sherdog ID (whatever their file cell says)"), this);
  matchById_->setObjectName(QStringLiteral("matchById"));
  matchById_->setChecked(match == ImportMatch::SherdogId);
  // A new plan while this one commits would offer to apply the table again.
  connect(matchById_, &QCheckBox::toggled, this, [this](bool byId) {
    if (!committing_) emit MatchChanged(byId ? ImportMatch::SherdogId : ImportMatch::File);
  });
  layout->addWidget(matchById_);

  preview_ = new ChangePreview(this);
  preview_->Show(std::move(lines));
  layout->addWidget(preview_, 1);

  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(tr("Applying the table"));
  progress_->hide();
  layout->addWidget(progress_);

  buttons_ = new QDialogButtonBox(this);
  apply_ = buttons_->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
  cancel_ = buttons_->addButton(QDialogButtonBox::Cancel);
  apply_->setEnabled(plan.Problems().empty() && plan.ChangeCount() > 0);
  apply_->setDefault(apply_->isEnabled());
  connect(apply_, &QPushButton::clicked, this, &ImportPreview::ApplyRequested);
  connect(cancel_, &QPushButton::clicked, this, &ImportPreview::reject);
  layout->addWidget(buttons_);
  resize(760, 520);
}

void ImportPreview::ShowCommitting() {
  committing_ = true;
  apply_->setEnabled(false);
  cancel_->setEnabled(false);
  matchById_->setEnabled(false);
  progress_->setRange(0, 0);
  progress_->show();
}

void ImportPreview::ShowProgress(std::size_t done, std::size_t total) {
  progress_->setRange(0, static_cast<int>(std::max<std::size_t>(total, 1)));
  progress_->setValue(static_cast<int>(done));
}

// The commit is all or nothing: once it runs, it runs to its end.
void ImportPreview::reject() {
  if (!committing_) QDialog::reject();
}

}  // namespace ostrak::roster
