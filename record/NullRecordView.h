#pragma once
// A record view that shows nothing: for applying a record where no viewer form
// is, as printing from the command line and the fuzz targets do.

#include "record/ApplyRecord.h"

namespace moyo {

class TNullRecordView : public TRecordView {
 public:
  void SetHandicapByte(std::uint8_t) override {}
  void BoardCleared() override {}
  void SetEventName(const std::string&) override {}
  void SetInfoLine(int, const std::string&) override {}
  void SetBlackPlayer(const std::string&, const std::string&) override {}
  void SetWhitePlayer(const std::string&, const std::string&) override {}
  void ClearMemo() override {}
  void SetLoading(bool) override {}
  void RefreshComment() override {}
  void AppendMemoLine(const std::string&) override {}
};

}  // namespace moyo
