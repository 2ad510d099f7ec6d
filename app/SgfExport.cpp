#include "app/SgfExport.h"

#include <fstream>
#include <memory>
#include <system_error>

#include "app/RecordFile.h"
#include "record/SgfWriter.h"
#include "record/TGameRecord.h"

namespace moyo::app {

std::string SaveRecordAsSgf(const std::filesystem::path& source, const std::string& level,
                            const std::filesystem::path& target) {
  auto record = std::make_unique<TGameRecord>();
  const TReadResult read =
      LoadRecordFile(source.string(), FormatOfName(source.filename().string()), level, *record);
  if (read.failed) return read.error;
  if (!read.show) return "the record cannot be read";
  const std::string sgf = WriteSgf(*record);
  // Written beside the target and then renamed over it, so a failed write
  // never leaves a half file in place of one the player had.
  std::filesystem::path partial = target;
  partial += ".part";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out << sgf;
  out.close();
  std::error_code error;
  if (out) std::filesystem::rename(partial, target, error);
  if (!out || error) {
    std::filesystem::remove(partial, error);
    return "cannot write " + target.string();
  }
  return {};
}

}  // namespace moyo::app
