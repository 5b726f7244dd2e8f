#include "ui/roster/RosterCards.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "roster/LoadedFighter.h"
#include "ui/EvaluationBars.h"
#include "ui/card/FighterCard.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

// A message names at most this many fighters and counts the rest.
constexpr std::size_t kNamedFailures = 10;

QString LocalName(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

// "sub/Someone.txt" gives "sub/Someone.png".
QString CardName(const std::string& file, DrawingFormat format) {
  QString name = LocalName(file);
  if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) name.chop(4);
  return name + QLatin1Char('.') + ExtensionOf(format);
}

}  // namespace

RosterCards::RosterCards(RosterWindow& window, Dialogs& dialogs, CardCaptions captions, Threading threading)
    : QObject(&window),
      window_(window),
      dialogs_(dialogs),
      captions_(std::move(captions)),
      threading_(threading),
      progress_(new QProgressBar(window.statusBar())),
      stop_(new QToolButton(window.statusBar())) {
  progress_->setObjectName(QStringLiteral("cardProgress"));
  progress_->setAccessibleName(tr("Saving cards"));
  progress_->setMaximumWidth(220);
  progress_->setFormat(tr("Cards: %v of %m"));
  progress_->hide();
  stop_->setText(tr("Stop"));
  stop_->setToolTip(tr("Stop saving cards"));
  stop_->hide();
  connect(stop_, &QToolButton::clicked, this, [this] { Stop(); });
  window.statusBar()->addPermanentWidget(progress_);
  window.statusBar()->addPermanentWidget(stop_);
}

RosterCards::~RosterCards() = default;

void RosterCards::Save(const std::vector<std::string>& files, DrawingFormat format, int scale) {
  if (Busy()) return;
  const QString title = tr("Save cards");
  if (files.empty()) {
    dialogs_.ShowMessage(tr("Select the fighters whose cards to save."), title, MessageIcon::Information);
    return;
  }
  const QString start = lastFolder_.isEmpty() ? LocalName(window_.FolderPath()) : lastFolder_;
  const auto chosen = dialogs_.ChooseDirectory(tr("Save the cards into a folder"), start);
  if (!chosen) return;
  folder_ = QDir(*chosen).absolutePath();
  lastFolder_ = folder_;
  std::vector<Job> jobs;
  int existing = 0;
  for (const std::string& file : files) {
    jobs.push_back({file, QDir(folder_).filePath(CardName(file, format))});
    if (QFileInfo::exists(jobs.back().card)) ++existing;
  }
  if (existing > 0 &&
      !dialogs_.Ask(
          tr("Cards already in \"%1\" would be replaced: %2. Replace them?").arg(folder_).arg(existing),
          title)) {
    return;
  }
  jobs_ = std::move(jobs);
  next_ = 0;
  written_ = 0;
  failures_.clear();
  format_ = format;
  scale_ = scale;
  progress_->setRange(0, static_cast<int>(jobs_.size()));
  progress_->setValue(0);
  progress_->show();
  stop_->show();
  if (threading_ == Threading::Inline) {
    while (Busy()) WriteNext();
    Finish();
  } else {
    QTimer::singleShot(0, this, [this] { Guard([this] { WriteNext(); }); });
  }
}

void RosterCards::Stop() {
  if (!Busy()) return;
  jobs_.resize(next_);
  if (threading_ == Threading::Worker) Finish();
}

void RosterCards::WriteNext() {
  if (!Busy()) return;
  const Job& job = jobs_[next_++];
  const LoadedFighter loaded = LoadLikeTheEditor(window_.FolderPath() + job.file);
  if (loaded.failure) {
    failures_.push_back({LocalName(job.file), MessageToQString(*loaded.failure)});
  } else {
    if (!bars_) bars_ = std::make_unique<EvaluationPicture>();
    FighterCard card(CardFighterOf(loaded.form), captions_, QFileInfo(job.card).completeBaseName(), *bars_);
    const QString folder = QFileInfo(job.card).absolutePath();
    std::optional<QString> failure;
    if (!QDir().mkpath(folder)) {
      failure = tr("the folder \"%1\" cannot be made").arg(folder);
    } else {
      failure = WriteWhole(job.card, Encode(card, format_, scale_));
    }
    if (failure) {
      failures_.push_back({LocalName(job.file), *failure});
    } else {
      ++written_;
    }
  }
  progress_->setValue(static_cast<int>(next_));
  if (threading_ == Threading::Worker) {
    if (Busy()) {
      QTimer::singleShot(0, this, [this] { Guard([this] { WriteNext(); }); });
    } else {
      Finish();
    }
  }
}

void RosterCards::Finish() {
  progress_->hide();
  stop_->hide();
  const bool stopped = jobs_.size() < static_cast<std::size_t>(progress_->maximum());
  QString text = tr("Cards written to \"%1\": %2.").arg(folder_).arg(written_);
  if (stopped) text += QLatin1Char(' ') + tr("Stopped before the rest.");
  if (!failures_.empty()) {
    text += QStringLiteral("\n\n") + tr("Not written:");
    for (std::size_t i = 0; i < failures_.size() && i < kNamedFailures; ++i)
      text += QStringLiteral("\n") + failures_[i].file + QStringLiteral(": ") + failures_[i].reason;
    if (failures_.size() > kNamedFailures)
      text += QStringLiteral("\n") + tr("… and %1 more").arg(failures_.size() - kNamedFailures);
  }
  jobs_.clear();
  next_ = 0;
  dialogs_.ShowMessage(text, tr("Save cards"),
                       failures_.empty() ? MessageIcon::Information : MessageIcon::Stop);
  emit Finished(written_);
}

}  // namespace ostrak::roster
