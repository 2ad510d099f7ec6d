#include "record/ReadNotice.h"

#include "platform/Text.h"

namespace moyo {

std::string NoticeText(const TReadNotice& notice) {
  const std::string n = std::to_string(notice.count);
  std::string utf8;
  switch (notice.kind) {
    case TNoticeKind::Unreadable:
      utf8 = "이 파일에서 읽을 수 있는 기보를 찾지 못했습니다.";
      break;
    case TNoticeKind::StoppedEarly:
      utf8 = "기보 글에 잘못된 부분이 있어 기보를 보여 드릴 수 없습니다.";
      break;
    case TNoticeKind::Collection:
      utf8 = "이 파일에는 기보 " + n + "개가 들어 있어 첫 번째 기보만 보여 드립니다.";
      break;
    case TNoticeKind::MovesCut:
      utf8 = "수순이 너무 길어 " + n + "수까지만 보여 드립니다.";
      break;
    case TNoticeKind::LostCharacters:
      utf8 = "한글 코드에 없는 글자 " + n + "개를 ?로 바꾸어 보여 드립니다.";
      break;
    case TNoticeKind::EndsEarly:
      utf8 = "기보 파일이 중간에 끝나 있어 남아 있는 부분까지만 보여 드립니다.";
      break;
    case TNoticeKind::BoardTooLarge:
      utf8 = n + "줄 바둑판의 기보는 볼 수 없습니다. 2줄에서 19줄까지의 바둑판만 볼 수 있습니다.";
      break;
    case TNoticeKind::SetupAfterFirstMove:
      utf8 = n +
             "수 다음에 돌을 더 놓거나 들어낸 부분은 보여 드릴 수 없어, 그 뒤의 국면이 기보 "
             "파일과 다를 수 있습니다.";
      break;
  }
  return platform::Utf8ToCp949(utf8);
}

std::string NoticesText(const std::vector<TReadNotice>& notices) {
  std::string text;
  for (const TReadNotice& notice : notices) {
    if (!text.empty()) text += "\r\n";
    text += NoticeText(notice);
  }
  return text;
}

}  // namespace moyo
