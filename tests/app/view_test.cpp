// moyoscope view, register and unregister, run as a user runs them, against
// an in-process record server on 127.0.0.1.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <string>

#include "app/RecordServer.h"
#include "resources/Messages.h"
#include "tests/app/ProgramRun.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

using test::ProgramRun;
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
  }
  void TearDown() override { server_->Stop(); }

  test::TempFolder records_;
  test::TempFolder config_;
  test::TempFolder output_;
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

TEST_F(ViewCommand, FailedLoadSaysWhyAndExitsWithOne) {
  const std::string png = (output_.Path() / "never.png").string();
  const ProgramRun run = RunMoyoscope("view missing.gib --screenshot '" + png + "'", config_);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("cannot load missing.gib"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("404"), std::string::npos) << run.output;
  EXPECT_FALSE(std::filesystem::exists(png));
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
