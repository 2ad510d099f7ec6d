// moyoscope view, register and unregister, run as a user runs them, against
// an in-process record server on 127.0.0.1.

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <QSettings>
#include <QStringList>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/RecordServer.h"
#include "resources/Messages.h"
#include "tests/app/LoopbackServer.h"
#include "tests/app/ProgramRun.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

using test::ProgramRun;
using test::RunCommand;
using test::RunMoyoscope;

class ViewCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    records_.Write("game.gib", "(;EV[View Cup]PB[Kim]PW[Lee];B[pd];W[dp])");
    records_.Write("numbered/7.ngf",
                   "Seven\r\n19\r\nLee 9d\r\nKim 8d\r\nSeoul\r\n0\r\n30 3\r\n6\r\n2001-01-01\r\n"
                   "90\r\nW+R\r\n1\r\nPMAABDDAA\r\n");
    server_ = std::make_unique<app::RecordServer>(records_.Path(), Message(6));
    port_ = server_->Bind("127.0.0.1", 0);
    ASSERT_GT(port_, 0);
    server_->Start();
    const std::string address = "127.0.0.1:" + std::to_string(port_);
    setenv("MOYOSCOPE_RECORD_SERVER", address.c_str(), 1);
    setenv("MOYOSCOPE_WEB_SERVER", address.c_str(), 1);
    // Without a runtime folder Qt warns on standard error; a caller may have none.
    std::filesystem::permissions(runtime_.Path(), std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 0);
  }
  void TearDown() override { server_->Stop(); }

  test::TempFolder records_;
  test::TempFolder config_;
  test::TempFolder output_;
  test::TempFolder runtime_;
  std::unique_ptr<app::RecordServer> server_;
  int port_ = -1;
};

TEST_F(ViewCommand, RegistersOnFirstUseAndScreenshotsTheWholeControl) {
  const std::string png = (output_.Path() / "view.png").string();
  const ProgramRun run = RunMoyoscope("view game.gib --events --screenshot '" + png + "'", config_);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find(png), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("OnPaint"), std::string::npos) << run.output;
  const QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.width(), 789);
  EXPECT_EQ(image.height(), 628);
  EXPECT_TRUE(std::filesystem::exists(config_.Path() / "Classes" / "MoyoscopeProj.Moyoscope.ini"));

  const ProgramRun numbered = RunMoyoscope("view 7 --level 10 --screenshot '" + png + "'", config_);
  EXPECT_EQ(numbered.status, 0) << numbered.output;
}

TEST_F(ViewCommand, NormalRunPrintsOnlyWhatItWasAskedFor) {
  // No sound device here is normal: it must not show on standard error.
  const std::string png = (output_.Path() / "quiet.png").string();
  ASSERT_EQ(RunMoyoscope("register", config_).status, 0);
  const ProgramRun run = RunMoyoscope("view game.gib --screenshot '" + png + "'", config_);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, png + "\n");
}

// An X server of the test's own, for what only happens on a real display.
class VirtualDisplay {
 public:
  // Display numbers are taken from a high range, away from the ones desktops
  // and xvfb-run use first, so that no other server answers the viewer there.
  VirtualDisplay() {
    for (int tries = 0; tries < 20 && display_.empty(); ++tries) {
      Start(200 + static_cast<int>((::getpid() + 37 * tries) % 700));
    }
  }
  ~VirtualDisplay() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    ::close(readyPipe_);
  }
  // ":N", or empty when no X server could start.
  const std::string& Name() const { return display_; }
  pid_t Pid() const { return pid_; }

 private:
  // Starts Xvfb on display number; it writes the number to a pipe once ready.
  void Start(int number) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(ready[0]);
      const std::string display = ":" + std::to_string(number);
      const std::string fd = std::to_string(ready[1]);
      ::execlp("Xvfb", "Xvfb", display.c_str(), "-displayfd", fd.c_str(), "-nolisten", "tcp",
               "-screen", "0", "1024x768x24", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(ready[1]);
    // The server writes the number and a line end; the pipe stays open while
    // it runs, as a server whose write fails gives up.
    std::string written;
    char c = 0;
    while (pid > 0 && c != '\n' && ::read(ready[0], &c, 1) == 1) written += c;
    if (!written.empty() && written.back() == '\n') {
      pid_ = pid;
      readyPipe_ = ready[0];
      display_ = ":" + std::to_string(number);
      return;
    }
    ::close(ready[0]);
    if (pid > 0) ::waitpid(pid, nullptr, 0);  // the number was taken, or there is no Xvfb
  }

  pid_t pid_ = -1;
  int readyPipe_ = -1;
  std::string display_;
};

// The processes whose parent is this one.
std::vector<pid_t> ChildrenOfThisProcess() {
  std::vector<pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (command) state ppid ...; the command may hold blanks and parentheses.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 1));
    std::string state;
    pid_t parent = 0;
    rest >> state >> parent;
    if (parent == ::getpid()) children.push_back(std::stoi(name));
  }
  return children;
}

TEST_F(ViewCommand, RunWithoutASessionBusLeavesNoProcessBehind) {
  // Without a session bus, D-Bus would start one for the X display; on a
  // display the run must still leave nothing. Processes the run orphans come
  // to this test, which makes itself their reaper.
  ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  VirtualDisplay display;
  if (display.Name().empty()) GTEST_SKIP() << "no Xvfb to give the viewer a display";
  test::TempFolder runtime;
  const std::string png = (output_.Path() / "bus.png").string();
  const ProgramRun run =
      RunCommand("env -u DBUS_SESSION_BUS_ADDRESS XDG_CONFIG_HOME='" + config_.Path().string() +
                 "' DISPLAY=" + display.Name() + " QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR='" +
                 runtime.Path().string() +
                 "' '" MOYOSCOPE_PROGRAM "' view game.gib --screenshot '" + png + "' 2>&1");
  EXPECT_EQ(run.status, 0) << run.output;

  // Anything left is reported, then ended; what it started comes here next.
  for (int round = 0; round < 3; ++round) {
    for (pid_t child : ChildrenOfThisProcess()) {
      if (child == display.Pid()) continue;
      std::ifstream command("/proc/" + std::to_string(child) + "/cmdline");
      std::string name;
      std::getline(command, name, '\0');
      ADD_FAILURE() << "left behind: " << child << " " << name;
      ::kill(child, SIGTERM);
      ::waitpid(child, nullptr, 0);
    }
  }
  ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST_F(ViewCommand, FailedLoadSaysWhyAndExitsWithOne) {
  const std::string png = (output_.Path() / "never.png").string();
  const ProgramRun run = RunMoyoscope("view missing.gib --screenshot '" + png + "'", config_);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("cannot load missing.gib"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("404"), std::string::npos) << run.output;
  EXPECT_FALSE(std::filesystem::exists(png));
}

// A player's own files need no server: the web server named here does not exist.
TEST_F(ViewCommand, OpensPlayersOwnFilesByPathAndFileUrlWithoutAnyServer) {
  const std::string nowhere = "127.0.0.1:" + std::to_string(test::UnusedLoopbackPort());
  setenv("MOYOSCOPE_WEB_SERVER", nowhere.c_str(), 1);
  setenv("MOYOSCOPE_RECORD_SERVER", nowhere.c_str(), 1);
  const std::filesystem::path tagged = records_.Path() / "game.gib";
  const std::string png = (output_.Path() / "own.png").string();
  const ProgramRun byPath =
      RunMoyoscope("view '" + tagged.string() + "' --screenshot '" + png + "'", config_);
  ASSERT_EQ(byPath.status, 0) << byPath.output;
  const QImage shown(QString::fromStdString(png));
  EXPECT_EQ(shown.size(), QSize(789, 628));

  const std::string pngUrl = (output_.Path() / "url.png").string();
  const ProgramRun byUrl =
      RunMoyoscope("view 'file://" + tagged.string() + "' --screenshot '" + pngUrl + "'", config_);
  ASSERT_EQ(byUrl.status, 0) << byUrl.output;
  EXPECT_EQ(QImage(QString::fromStdString(pngUrl)), shown);

  // The same record from the web server looks the same.
  const std::string live = "127.0.0.1:" + std::to_string(port_);
  setenv("MOYOSCOPE_WEB_SERVER", live.c_str(), 1);
  const std::string pngServed = (output_.Path() / "served.png").string();
  const ProgramRun served = RunMoyoscope("view game.gib --screenshot '" + pngServed + "'", config_);
  ASSERT_EQ(served.status, 0) << served.output;
  EXPECT_EQ(QImage(QString::fromStdString(pngServed)), shown);

  // An NGF file goes to the NGF reader by its name, as an NGF address does.
  const std::filesystem::path ngf = records_.Path() / "numbered" / "7.ngf";
  const ProgramRun byNgf =
      RunMoyoscope("view '" + ngf.string() + "' --screenshot '" + png + "'", config_);
  EXPECT_EQ(byNgf.status, 0) << byNgf.output;

  const ProgramRun unreadable =
      RunMoyoscope("view file:///no/such/game.sgf --screenshot '" + png + "'", config_);
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_NE(unreadable.output.find("cannot read /no/such/game.sgf"), std::string::npos)
      << unreadable.output;
}

TEST_F(ViewCommand, RemembersTheLastTenFilesAcrossRunsAndForgetsMissingOnes) {
  const std::string png = (output_.Path() / "shot.png").string();
  for (int i = 0; i < 12; ++i) {
    const std::string name = "game" + std::to_string(i) + ".gib";
    records_.Write(name, "(;PB[Kim]PW[Lee];B[pd])");
    const std::string path = (records_.Path() / name).string();
    ASSERT_EQ(RunMoyoscope("view '" + path + "' --screenshot '" + png + "'", config_).status, 0);
  }
  auto recent = [this] {
    QSettings settings(QString::fromStdString((config_.Path() / "Moyoscope" / "host.ini").string()),
                       QSettings::IniFormat);
    return settings.value("Recent/files").toStringList();
  };
  QStringList files = recent();
  ASSERT_EQ(files.size(), 10);
  EXPECT_TRUE(files.front().endsWith("game11.gib")) << files.front().toStdString();
  EXPECT_TRUE(files.back().endsWith("game2.gib")) << files.back().toStdString();

  std::filesystem::remove(records_.Path() / "game10.gib");
  const std::string again = (records_.Path() / "game5.gib").string();
  ASSERT_EQ(RunMoyoscope("view '" + again + "' --screenshot '" + png + "'", config_).status, 0);
  files = recent();
  ASSERT_EQ(files.size(), 9);
  EXPECT_TRUE(files.front().endsWith("game5.gib"));
  EXPECT_FALSE(files.join(",").contains("game10.gib"));
  EXPECT_EQ(files.filter("game5.gib").size(), 1);
}

TEST_F(ViewCommand, RegisterAndUnregisterRoundTrip) {
  const std::filesystem::path entry = config_.Path() / "Classes" / "MoyoscopeProj.Moyoscope.ini";
  const ProgramRun registered = RunMoyoscope("register", config_);
  ASSERT_EQ(registered.status, 0) << registered.output;
  EXPECT_TRUE(std::filesystem::exists(entry));
  const ProgramRun unregistered = RunMoyoscope("unregister", config_);
  ASSERT_EQ(unregistered.status, 0) << unregistered.output;
  EXPECT_FALSE(std::filesystem::exists(entry));
  EXPECT_EQ(RunMoyoscope("register extra", config_).status, 2);
}

}  // namespace
}  // namespace moyo
