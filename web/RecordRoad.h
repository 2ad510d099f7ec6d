#pragma once
// Which address a getFile call downloads and which reader reads the body: the
// numbered-record script, a full address, or a file in the web server's record
// folder. The page passes the two server names it was configured with.

#include <string>
#include <string_view>

namespace moyo::web {

enum class RecordReader { Tagged, Ngf };

struct RecordRoad {
  std::string url;
  RecordReader reader = RecordReader::Tagged;
  bool numbered = false;  // the record script, whose reply may say the number is unknown
};

// The road of fileName at level: level "10" asks the record server's script for
// a number; a name beginning with "http" is an address (read as NGF when its
// last three bytes are "NGF" or "ngf"); anything else is a file in the web
// server's record folder. Servers are host[:port].
RecordRoad ChooseRecordRoad(std::string_view fileName, std::string_view level,
                            std::string_view recordServer, std::string_view webServer);

// Whether a reply of the record script says it has no record of that number.
bool IsMissingRecordReply(std::string_view body);

}  // namespace moyo::web
