#include "app/HostWindow.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>

#include "app/FormHooks.h"
#include "app/HostSettings.h"
#include "app/RecordFile.h"
#include "app/SgfExport.h"
#include "app/ViewTarget.h"
#include "platform/Text.h"

namespace moyo::app {
namespace {

constexpr int kControlWidth = 789;
constexpr int kControlHeight = 628;

// The file dialog's filter: every format the viewer reads.
const QString kRecordFilter = QStringLiteral(
    "기보 파일 (*.sgf *.SGF *.ngf *.NGF *.gib *.GIB);;SGF (*.sgf *.SGF);;모든 파일 (*)");

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

// "Kim(흑) 대 Lee(백)" from the record's players; empty when it names none.
QString PlayersOf(const TGameRecord& record) {
  const QString black = Utf8(platform::Cp949ToUtf8(record.info.blackName)).trimmed();
  const QString white = Utf8(platform::Cp949ToUtf8(record.info.whiteName)).trimmed();
  if (black.isEmpty() && white.isEmpty()) return {};
  return QStringLiteral("%1(흑) 대 %2(백)").arg(black, white);
}

// The players of the player's file, read as the viewer reads it; nothing (and
// error set) when it is not a record the viewer can show.
std::optional<QString> ReadPlayers(const std::filesystem::path& file, const std::string& level,
                                   std::string& error) {
  auto record = std::make_unique<TGameRecord>();
  const TReadResult read =
      LoadRecordFile(file.string(), FormatOfName(file.filename().string()), level, *record);
  if (read.failed || !read.show) {
    error = read.error.empty() ? "not a record Moyoscope can show" : read.error;
    return std::nullopt;
  }
  return PlayersOf(*record);
}

// A local record file among the dropped or dragged URLs, or nothing.
std::optional<std::string> DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile().toStdString();
  }
  return std::nullopt;
}

}  // namespace

THostWindow::THostWindow(TModule& module, std::string level, TEventSink::Handler events)
    : module_(module), level_(std::move(level)), events_(std::move(events)) {
  setAcceptDrops(true);
  // The form lives in a holder of the window's, so swapping controls never
  // hands the control's form to the window to delete.
  auto* holder = new QWidget(this);
  formLayout_ = new QVBoxLayout(holder);
  formLayout_->setContentsMargins(0, 0, 0, 0);
  setCentralWidget(holder);
  BuildMenus();
  ShowTitle({}, {});
}

THostWindow::~THostWindow() {
  // The form goes before the window that holds it.
  if (site_) site_->TakeForm();
  site_.reset();
  server_.Stop();
}

bool THostWindow::CreateControl(std::string& error) {
  std::unique_ptr<TControlSite> site = TControlSite::Create(module_, events_, error);
  if (!site) return false;
  Install(std::move(site));
  return true;
}

void THostWindow::Install(std::unique_ptr<TControlSite> site) {
  SetStoneSound(site->Form(), soundAction_->isChecked());
  // The window takes the control's size once; later records keep the player's size.
  if (site_) {
    site_->TakeForm();
  } else {
    resize(kControlWidth, kControlHeight + menuBar()->sizeHint().height());
  }
  formLayout_->addWidget(site->Form());
  site->Form()->show();
  site_ = std::move(site);
}

bool THostWindow::Open(const std::string& argument, std::string& error) {
  const std::optional<TViewTarget> target = ResolveViewTarget(argument, level_);
  if (!target) {
    error = "not a file on this machine";
    return false;
  }
  std::string record = target->record;
  QString players;
  if (!target->file.empty()) {
    // A file that is no record is refused before it replaces what is shown.
    const std::optional<QString> read = ReadPlayers(target->file, level_, error);
    if (!read) return false;
    players = *read;
    if (!server_.Start()) {
      error = "cannot serve the file on 127.0.0.1";
      return false;
    }
    record = server_.Publish(target->file);
  }

  std::unique_ptr<TControlSite> site = TControlSite::Create(module_, events_, error);
  if (!site) return false;
  error = site->Load(record, level_);
  if (!error.empty()) return false;
  Install(std::move(site));

  shownFile_ = target->file;
  saveAction_->setEnabled(!shownFile_.empty());
  if (!shownFile_.empty()) {
    SaveRecentFiles(WithRecentFile(LoadRecentFiles(), shownFile_.string()));
  }
  ShowTitle(players, shownFile_.empty() ? argument : shownFile_.filename().string());
  return true;
}

void THostWindow::OpenInteractively(const std::string& argument) {
  std::string error;
  if (Open(argument, error)) return;
  TellFailure(QStringLiteral("기보를 열 수 없습니다.\n\n%1").arg(Utf8(argument)), error);
}

void THostWindow::ShowTitle(const QString& players, const std::string& recordName) {
  QStringList parts;
  if (!players.isEmpty()) parts << players;
  if (!recordName.empty()) parts << Utf8(recordName);
  parts << QStringLiteral("Moyoscope");
  setWindowTitle(parts.join(QStringLiteral(" - ")));
}

void THostWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("파일(&F)"));
  QAction* open =
      file->addAction(QStringLiteral("열기(&O)…"), this, [this] { ChooseFileToOpen(); });
  open->setShortcut(Qt::CTRL | Qt::Key_O);
  recentMenu_ = file->addMenu(QStringLiteral("최근 파일(&R)"));
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  saveAction_ = file->addAction(QStringLiteral("SGF로 저장(&S)…"), this, [this] { SaveAsSgf(); });
  saveAction_->setShortcut(Qt::CTRL | Qt::Key_S);
  saveAction_->setEnabled(false);
  QAction* print = file->addAction(QStringLiteral("인쇄(&P)…"), this, [this] {
    if (site_) ClickPrintButton(site_->Form());
  });
  print->setShortcut(Qt::CTRL | Qt::Key_P);
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("끝내기(&Q)"), this, [this] { close(); });
  quit->setShortcut(Qt::CTRL | Qt::Key_Q);

  QMenu* view = menuBar()->addMenu(QStringLiteral("보기(&V)"));
  view->addAction(QStringLiteral("바둑판 180° 돌리기(&T)"), this, [this] {
    if (site_) TurnBoard(site_->Form());
  });
  soundAction_ = view->addAction(QStringLiteral("돌 소리(&S)"));
  soundAction_->setCheckable(true);
  soundAction_->setChecked(LoadStoneSound());
  connect(soundAction_, &QAction::toggled, this, [this](bool on) {
    SaveStoneSound(on);
    if (site_) SetStoneSound(site_->Form(), on);
  });
}

void THostWindow::FillRecentMenu() {
  recentMenu_->clear();
  const std::vector<std::string> files = LoadRecentFiles();
  for (const std::string& file : files) {
    recentMenu_->addAction(Utf8(file), this, [this, file] { OpenInteractively(file); });
  }
  if (files.empty()) recentMenu_->addAction(QStringLiteral("(없음)"))->setEnabled(false);
}

void THostWindow::ChooseFileToOpen() {
  const QString start = shownFile_.empty() ? QString() : Utf8(shownFile_.parent_path().string());
  const QString file =
      QFileDialog::getOpenFileName(this, QStringLiteral("기보 열기"), start, kRecordFilter);
  if (!file.isEmpty()) OpenInteractively(file.toStdString());
}

void THostWindow::SaveAsSgf() {
  if (shownFile_.empty()) return;
  std::filesystem::path suggested = shownFile_;
  suggested.replace_extension(".sgf");
  const QString target = QFileDialog::getSaveFileName(
      this, QStringLiteral("SGF로 저장"), Utf8(suggested.string()), QStringLiteral("SGF (*.sgf)"));
  if (target.isEmpty()) return;
  const std::string error = SaveRecordAsSgf(shownFile_, level_, target.toStdString());
  if (error.empty()) return;
  TellFailure(QStringLiteral("SGF로 저장하지 못했습니다.\n\n%1").arg(target), error);
}

void THostWindow::TellFailure(const QString& text, const std::string& reason) {
  // The reason is the program's own wording, for a report; the player reads the text.
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Moyoscope"), text, QMessageBox::Ok, this);
  box.setDetailedText(Utf8(reason));
  box.exec();
}

void THostWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void THostWindow::dropEvent(QDropEvent* event) {
  const std::optional<std::string> file = DroppedFile(event->mimeData());
  if (!file) return;
  event->acceptProposedAction();
  OpenInteractively(*file);
}

}  // namespace moyo::app
