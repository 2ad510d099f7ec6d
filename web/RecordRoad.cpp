#include "web/RecordRoad.h"

#include "resources/Messages.h"

namespace moyo::web {
namespace {

constexpr int kNoRecordWord = 6;  // "기보가없음", in the script's reply for an unknown number

bool EndsInNgf(std::string_view name) {
  return name.ends_with("NGF") || name.ends_with("ngf");
}

}  // namespace

RecordRoad ChooseRecordRoad(std::string_view fileName, std::string_view level,
                            std::string_view recordServer, std::string_view webServer) {
  RecordRoad road;
  if (level == "10") {
    road.url = "http://" + std::string(recordServer) +
               "/moyoscope/getgibo.php?snum=" + std::string(fileName);
    road.reader = RecordReader::Ngf;
    road.numbered = true;
  } else if (fileName.starts_with("http")) {
    road.url = fileName;
    road.reader = EndsInNgf(fileName) ? RecordReader::Ngf : RecordReader::Tagged;
  } else {
    road.url = "http://" + std::string(webServer) + "/dizuze/gibo/" + std::string(fileName);
  }
  return road;
}

bool IsMissingRecordReply(std::string_view body) {
  return body.find(Message(kNoRecordWord)) != std::string_view::npos;
}

}  // namespace moyo::web
