#include "app/RecordFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "record/NgfReader.h"
#include "record/TaggedReader.h"

namespace moyo::app {

RecordFormat FormatOfName(std::string_view name) {
  if (name.size() >= 3) {
    const std::string_view extension = name.substr(name.size() - 3);
    if (extension == "NGF" || extension == "ngf") return RecordFormat::Ngf;
  }
  return RecordFormat::Tagged;
}

std::string_view FormatName(RecordFormat format) {
  return format == RecordFormat::Ngf ? "ngf" : "tagged";
}

TReadResult LoadRecordFile(const std::string& path, RecordFormat format, std::string_view level,
                           TGameRecord& record) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return ReadFailure("cannot read " + path + ": not a readable file");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadFailure("cannot read " + path);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return ReadFailure("cannot read " + path);
  record.Clear();
  return format == RecordFormat::Ngf ? ReadNgfRecord(record, text)
                                     : ReadTaggedRecord(record, text, level);
}

}  // namespace moyo::app
