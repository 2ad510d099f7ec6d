#pragma once
// The road of one getFile call from the host's arguments to a shown record,
// and the question-and-answer export, against a small view of the viewer form.

#include <string>

#include "control/RecordRetrieval.h"
#include "platform/HttpClient.h"
#include "platform/SettingsStore.h"
#include "record/TGameRecord.h"

namespace moyo {

// What loading a record needs of the viewer form.
class TRecordLoadTarget {
 public:
  virtual ~TRecordLoadTarget() = default;
  // Keeps the member level for the life of the viewer.
  virtual void SetLevel(const std::string& level) = 0;
  // Hides the guessing controls and shortens the move panel.
  virtual void HideGuessingControls() = 0;
  // The record the viewer shows.
  virtual TGameRecord& Record() = 0;
  // Shows Record(): labels, board and commentary.
  virtual void ApplyRecord() = 0;
  // A modal notice with the caption message 2; CP949 text.
  virtual void ShowNotice(const std::string& text) = 0;
};

// How a load ended.
enum class TLoadOutcome {
  Applied,         // the record is shown
  NotApplied,      // the tagged reader stopped early: nothing changed
  NoSuchRecord,    // the record server does not know the number: notice shown
  DownloadFailed,  // no body: nothing changed
  ReadFailed,      // the body is not a readable record: nothing changed
};

struct TLoadResult {
  TLoadOutcome outcome = TLoadOutcome::Applied;
  std::string error;  // why the download or the read failed

  // Whether the host's call fails.
  bool Failed() const {
    return outcome == TLoadOutcome::DownloadFailed || outcome == TLoadOutcome::ReadFailed;
  }
};

// getFile: keeps the level, hides the guessing controls for levels "10" and
// "100", downloads the record by the road its name and level choose, reads it
// and shows it. The body is read into an empty record, which replaces the shown
// one only when it is applied, so a failed or refused load leaves the record and
// the screen as they were and no field of an earlier record survives a new one.
TLoadResult LoadRecord(TRecordLoadTarget& target, platform::HttpClient& http,
                       const TRecordServers& servers, const std::string& fileName,
                       const std::string& level);

// goQNA: writes the first shownMoves moves of record to the question-and-answer
// file of the settings' folder (defaultFolder when none is stored). True when
// the export succeeded and the file exists afterwards.
bool WriteQnaFile(platform::SettingsStore& settings, const std::string& defaultFolder,
                  const TGameRecord& record, int shownMoves);

}  // namespace moyo
