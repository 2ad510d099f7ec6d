#include "control/RecordLoader.h"

#include <memory>
#include <system_error>

#include "record/QnaExport.h"
#include "record/ReadNotice.h"
#include "record/RecordDispatch.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"
#include "viewer/MemberLevel.h"

namespace moyo {
namespace {

TLoadResult Outcome(TLoadOutcome outcome, std::string error = {}) {
  return {outcome, std::move(error)};
}

}  // namespace

TLoadResult LoadRecord(TRecordLoadTarget& target, platform::HttpClient& http,
                       const TRecordServers& servers, const std::string& fileName,
                       const std::string& level) {
  target.SetLevel(level);
  if (HidesGuessingControls(level)) target.HideGuessingControls();

  const TRecordRoad road = ChooseRecordRoad(fileName, level);
  const std::optional<std::string> address = RecordAddress(road, fileName, servers);
  if (!address) return Outcome(TLoadOutcome::DownloadFailed, "the name leaves the record folder");
  platform::HttpResult download = http.Get(*address);
  if (!download.ok) return Outcome(TLoadOutcome::DownloadFailed, std::move(download.error));

  // The record server answers an unknown number with a page that says so.
  if (road == TRecordRoad::Numbered &&
      download.body.find(Message(msg::kNoRecordMarker)) != std::string::npos) {
    target.ShowNotice(Message(msg::kNoSuchRecord));
    return Outcome(TLoadOutcome::NoSuchRecord);
  }

  // The road names the reader it expects; a body that is plainly another format goes to its own.
  auto fresh = std::make_unique<TGameRecord>();
  const TRecordReadOptions options{
      ReadsNgf(road) ? TRecordFormat::Ngf : TRecordFormat::Tagged, level, {}};
  const TReadResult read = ReadRecordBody(*fresh, download.body, options).result;
  const std::string notice = NoticesText(read.notices);
  if (read.failed || !read.show) {
    if (!notice.empty()) target.ShowNotice(notice);
    return read.failed ? Outcome(TLoadOutcome::ReadFailed, read.error)
                       : Outcome(TLoadOutcome::NotApplied);
  }

  target.Record() = std::move(*fresh);
  target.ApplyRecord();
  if (!notice.empty()) target.ShowNotice(notice);
  return Outcome(TLoadOutcome::Applied);
}

bool WriteQnaFile(platform::SettingsStore& settings, const std::string& defaultFolder,
                  const TGameRecord& record, int shownMoves) {
  const std::filesystem::path path = QnaFilePath(settings, defaultFolder);
  // An older file left in place by a failed export is no answer.
  if (!ExportQnaRecord(record, shownMoves, path.string()).empty()) return false;
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace moyo
