#include "print/qt/ViewerPrinting.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <memory>

#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSettingsStore.h"
#include "print/qt/TOwnkForm.h"

namespace moyo {

TZelStatus& ProcessZelStatus() {
  static TZelStatus status(std::make_unique<platform::QtSettingsStore>());
  return status;
}

std::string FallbackPdfPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::homePath();
  const QString name = QDateTime::currentDateTime().toString("'ZelGibo-'yyyyMMdd-HHmmss'.pdf'");
  return QDir(folder).filePath(name).toStdString();
}

bool PrintFromViewer(QWidget* owner, const TPrintSource& source) {
  const auto printer = platform::QtPrinter::SystemOrPdf(FallbackPdfPath());
  return PrintRecordWithDialog(owner, source.line, source.header, ProcessZelStatus(), *printer);
}

}  // namespace moyo
