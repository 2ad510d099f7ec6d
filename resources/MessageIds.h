#pragma once
// The numbers of the message table by what each message says, so code reads
// Message(msg::kLastMove) rather than Message(1).

namespace moyo::msg {

enum : int {
  kLastMove = 1,          // 마지막 수순입니다.
  kNoticeCaption = 2,     // 알림
  kWrongGuess = 3,        // 틀렸습니다.
  kNotWhileGuessing = 4,  // 다음수 맞추기 상태에서는 사용할 수 없습니다.
  kBackToViewing = 5,   // 기보감상 버튼을 클릭해서 기보감상 상태로 바꾸세요.
  kNoRecordMarker = 6,  // 기보가없음 (the record server's answer)
  kNoSuchRecord = 7,    // 해당기보가 없습니다.
  kCommentaryForMembers = 8,  // 정회원만 해설을 볼수 있습니다.
  kNone = 9,                  // 없음
  kUnlimited = 10,            // 무제한
  kMinutes = 11,              // 분
  kHours = 12,                // 시간
  kBullet = 13,               // ▒
  kGameDate = 14,             // 대국날짜
  kGamePlace = 15,            // 대국장소
  kTimeLimit = 16,            // 제한시간
  kByoyomi = 17,              // 초 읽기
  kSeconds = 18,              // 초
  kTimes = 19,                // 회
  kBlackFirst = 20,           // 정선
  kHandicapStones = 21,       // 점접바둑
  kKomi = 22,                 // 덤
  kHandicapMethod = 23,       // 방법
  kGameResult = 24,           // 대국결과
  kOnlyWhileViewing = 25,     // 기보감상 상태에서만 사용할 수 있습니다.
  kEnterANumber = 26,         // 숫자를 입력하세요.
  kEnterOneOrMore = 27,       // 1이상의 숫자를 입력하세요.
  kReference = 28,            // 참고도
  kZelRecord = 29,            // 젤 기보
  kMembersOnly = 30,          // 정회원서비스입니다.
  kViewing = 31,              // 기보감상
  kGuessBlack = 32,           // 흑 맞추기
  kGuessWhite = 33,           // 백 맞추기
  kGuessBoth = 34,            // 모두 맞추기
  kEvenGame = 35,             // 호선
  kPrintBlackFirst = 36,      // 정선
  kPrintHandicap = 37,        // 점 접바둑
  kBlack = 38,                // 흑
  kWhite = 39,                // 백
  kPrintMethod = 40,          // 방법
  kPrintResult = 41,          // 결과
  kPrintDate = 42,            // 일시
  kPartial = 43,              // 부분보
  kMoveSuffix = 44,           // 수
  kWhole = 45,                // 총보
  kPrintTitle = 46,           // 기보 인쇄
  kPrinterSetup = 47,         // 프린터 설정
  kTotalHeight = 48,          // 전체 높이
  kTotalWidth = 49,           // 전체 너비
  kTopMargin = 50,            // 위쪽 여백
  kLeftMargin = 51,           // 왼쪽 여백
  kBoardUnit = 52,            // 바둑 단위
  kPrintSettings = 53,        // 인쇄 설정
  kPrintWhole = 54,           // 총보 상태로 인쇄
  kPrintPartial = 55,         // 부분 상태로 인쇄
  kSplitRecord = 56,          // 기보를
  kSplitMoves = 57,           // 수 씩 나누어 인쇄
  kPerPage = 58,              // 페이지 마다
  kDiagramsEach = 59,         // 보씩 인쇄
  kPrint = 60,                // 인  쇄
  kCancel = 61,               // 취  소
  kTotal = 62,                // 총
  kEnd = 63,                  // 마침
  kReview = 64,               // 검토
  kTenuki = 65,               // 손뺌
  kMark = 66,                 // 표시
  kCommentary = 67,           // 해설
  kGuessHeading = 68,         // 다음수 맞추기
  kNews = 69,                 // 최신뉴스
};

}  // namespace moyo::msg
