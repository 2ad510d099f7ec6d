#pragma once
// The host program's window around the viewer control: the File and View
// menus, drops of record files, the recent files and a title that names the
// game. The control's form fills the window and is never changed by it.

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <string>

#include "app/ControlSite.h"
#include "app/LocalRecordServer.h"

class QAction;
class QMenu;
class QVBoxLayout;

namespace moyo::app {

class THostWindow : public QMainWindow {
 public:
  // Controls come from `module`; `level` is the member level every record is
  // shown with; every control event goes to `events`.
  THostWindow(TModule& module, std::string level, TEventSink::Handler events);
  ~THostWindow() override;

  // Creates the first control, with no record. False (and error set) when none can be made.
  bool CreateControl(std::string& error);
  // Shows a record: a player's file (path or "file:" URL) served by the host,
  // or a name or address the control fetches itself. The record is shown in
  // a fresh control; when it cannot be, the window keeps what it showed and
  // error says why (English, for the command line). A window that starts with
  // a record opens it without a first empty control.
  bool Open(const std::string& argument, std::string& error);
  // Open from the menu or a drop: a failure is told in a message box.
  void OpenInteractively(const std::string& argument);

  // The current control (never null after CreateControl succeeded).
  TControlSite& Site() { return *site_; }
  // The player's file shown, empty when the record came from a server.
  const std::filesystem::path& ShownFile() const { return shownFile_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void FillRecentMenu();
  void ChooseFileToOpen();
  void SaveAsSgf();
  // "PLAYERS - NAME - Moyoscope", leaving out what is empty.
  void ShowTitle(const QString& players, const std::string& recordName);
  // A modal message in Korean, with the reason (English) behind its details button.
  void TellFailure(const QString& text, const std::string& reason);
  void Install(std::unique_ptr<TControlSite> site);

  TModule& module_;
  std::string level_;
  TEventSink::Handler events_;
  LocalRecordServer server_;
  std::unique_ptr<TControlSite> site_;
  std::filesystem::path shownFile_;
  QVBoxLayout* formLayout_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* soundAction_ = nullptr;
};

}  // namespace moyo::app
