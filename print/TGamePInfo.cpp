#include "print/TGamePInfo.h"

#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo {

TGamePInfo MakePrintHeader(const TGiboInfo& info) {
  return {info.title,     Message(msg::kZelRecord),
          info.blackName, info.whiteName,
          info.date,      info.place,
          info.result,    info.komi};
}

TGamePInfo& PrintHeader() {
  static TGamePInfo header;
  return header;
}

}  // namespace moyo
