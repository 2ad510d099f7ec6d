#pragma once
// What a test of a host needs: one settings and home folder and one loaded
// viewer module for the whole run (MOYO_MODULE_PATH names the module), and a
// catcher that answers every message box that opens, keeping its text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/ModuleHost.h"
#include "tests/app/TempFolder.h"

namespace moyo::test {

struct HostEnvironment {
  TempFolder home;
  std::unique_ptr<app::TModule> module;

  HostEnvironment() {
    setenv("XDG_CONFIG_HOME", (home.Path() / "config").c_str(), 1);
    setenv("HOME", home.Path().c_str(), 1);
    std::string error;
    module = app::TModule::Load(MOYO_MODULE_PATH, error);
    if (!module) ADD_FAILURE() << error;
  }
};

inline HostEnvironment& Host() {
  static HostEnvironment host;
  return host;
}

class NoticeAnswerer {
 public:
  NoticeAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts.push_back(box->text().toStdString());
        box->done(QMessageBox::Ok);
      }
    });
    timer_.start(20);
  }
  std::vector<std::string> texts;

 private:
  QTimer timer_;
};

}  // namespace moyo::test
