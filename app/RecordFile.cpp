#include "app/RecordFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "platform/Text.h"
#include "record/ReadNotice.h"
#include "record/RecordReplay.h"

namespace moyo::app {

RecordFormat FormatOfName(std::string_view name) {
  if (name.size() >= 3) {
    const std::string_view extension = name.substr(name.size() - 3);
    if (extension == "NGF" || extension == "ngf") return RecordFormat::Ngf;
  }
  return RecordFormat::Tagged;
}

std::string_view FormatName(RecordFormat format) {
  return RecordFormatName(format);
}

bool FormatOfArgument(std::string_view name, RecordFormat& format) {
  for (RecordFormat known :
       {RecordFormat::Tagged, RecordFormat::Ngf, RecordFormat::Sgf, RecordFormat::Gib}) {
    if (RecordFormatName(known) == name) {
      format = known;
      return true;
    }
  }
  return false;
}

TRecordRead LoadRecordFile(const std::string& path, const TRecordReadOptions& options,
                           TGameRecord& record) {
  TRecordRead read;
  read.format = options.expected;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    read.result = ReadFailure("cannot read " + path + ": not a readable file");
    return read;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    read.result = ReadFailure("cannot read " + path);
    return read;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    read.result = ReadFailure("cannot read " + path);
    return read;
  }
  record.Clear();
  return ReadRecordBody(record, text, options);
}

TReadResult LoadRecordFile(const std::string& path, RecordFormat format, std::string_view level,
                           TGameRecord& record) {
  return LoadRecordFile(path, TRecordReadOptions{format, level, {}}, record).result;
}

bool LoadRecordOnBoard(const std::string& path, int beforeMove, TGoBoard& board,
                       std::string& error) {
  auto record = std::make_unique<TGameRecord>();
  const TRecordRead read =
      LoadRecordFile(path, {FormatOfName(path), kFullMemberLevel, {}}, *record);
  if (read.result.failed || !read.result.show || NothingRead(*record)) {
    error = read.result.failed ? read.result.error : "cannot read " + path;
    return false;
  }
  ReplayRecord(*record, beforeMove > 0 ? beforeMove - 1 : kMaxRecordMoves, board);
  return true;
}

bool ReportLoad(std::string_view command, const std::string& path, const TReadResult& result) {
  const std::string prefix = "moyoscope " + std::string(command) + ": " + path + ": ";
  if (result.failed) std::fprintf(stderr, "%s%s\n", prefix.c_str(), result.error.c_str());
  bool nothing = result.failed || !result.show;
  for (const TReadNotice& notice : result.notices) {
    std::fprintf(stderr, "%s%s\n", prefix.c_str(),
                 platform::Cp949ToUtf8(NoticeText(notice)).c_str());
    nothing = nothing || notice.kind == TNoticeKind::Unreadable;
  }
  return !nothing;
}

}  // namespace moyo::app
