// The main() of every Qt test program: one application object for the whole run, made
// before the first test.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The news view (Qt WebEngine) needs shared GL contexts, set before the application exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  // Deliberately never destroyed: Qt WebEngine and the loaded viewer module tear down their
  // own globals after main returns, and they need the application still alive then.
  new QApplication(argc, argv);
  return RUN_ALL_TESTS();
}
