// Reading speed of the record readers on generated long records, and the cost of finding and
// converting the character set of a record file.
//
// With MOYO_RECORD_BENCH_OUT=DIR set, the program also writes the generated texts
// to DIR/record-400.gib, DIR/record-400.ngf and DIR/record-300.sgf (for measuring
// `moyoscope parse`).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "record/NgfReader.h"
#include "record/SgfReader.h"
#include "record/TaggedReader.h"
#include "record/TextEncoding.h"

namespace moyo {
namespace {

constexpr int kMoves = 400;
constexpr int kComments = 300;
constexpr int kDiagrams = 20;

// A point for move i that wanders over the board.
std::string Point(int i) {
  return {static_cast<char>('a' + (i * 7) % 19), static_cast<char>('a' + (i * 11 + 3) % 19)};
}

std::string TaggedText() {
  const std::string note = platform::Utf8ToCp949(
      "흑이 좌변에서 패를 따내며 팻감을 찾습니다. 백은 중앙을 두텁게 하여 대응합니다.");
  std::string text = "(;EV[" + platform::Utf8ToCp949("연습기전") +
                     "]GN[ 1]PB[Black]BR[9d]PW[White]WR[9d]" +
                     "DT[2026-12-08]PC[Seoul]RE[B+R]KO[6.5]TM[1]LT[30]LC[3]TC[" + note + "]\n";
  int comments = 0;
  int diagrams = 0;
  for (int i = 1; i <= kMoves; ++i) {
    text += (i % 2 ? ";B[" : ";W[") + Point(i) + "]";
    if (comments < kComments && i % 4 != 0) {
      text += "C[" + note + "]";
      ++comments;
    }
    if (diagrams < kDiagrams && i % 20 == 10) {
      text += "RN[" + std::to_string(i) + "]PT[" + std::to_string(i) + "]";
      for (int j = 1; j <= i + 6; ++j) text += (j % 2 ? ";B[" : ";W[") + Point(j + 1000) + "]";
      text += ";L[aaa];L[bbb]C[" + note + "])";
      ++diagrams;
    }
    text += "\n";
  }
  return text + ")\n";
}

std::string NgfText() {
  std::string text =
      "Title\r\n19\r\nWhite 9d\r\nBlack 9d\r\nSeoul\r\n0\r\n30 3\r\n6\r\n"
      "2026-12-08\r\n90\r\nB+R\r\n" +
      std::to_string(kMoves) + "\r\n";
  for (int i = 1; i <= kMoves; ++i) {
    const std::string p = Point(i);
    text += std::string("PM") + static_cast<char>('A' + i / 26) + static_cast<char>('A' + i % 26) +
            (i % 2 ? 'B' : 'W') + static_cast<char>(p[0] - 'a' + 'B') +
            static_cast<char>(p[1] - 'a' + 'B') + "AA\r\n";
  }
  return text;
}

void BM_ReadTaggedRecord(benchmark::State& state) {
  const std::string text = TaggedText();
  auto record = std::make_unique<TGameRecord>();
  for (auto _ : state) {
    record->commentCount = 0;  // keep the table from filling up over the iterations
    benchmark::DoNotOptimize(ReadTaggedRecord(*record, text, "1"));
    benchmark::ClobberMemory();
  }
  if (record->moveCount != kMoves || record->commentCount != kComments + kDiagrams) {
    state.SkipWithError("the generated record was not read whole");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadTaggedRecord);

void BM_ReadNgfRecord(benchmark::State& state) {
  const std::string text = NgfText();
  auto record = std::make_unique<TGameRecord>();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadNgfRecord(*record, text));
    benchmark::ClobberMemory();
  }
  if (record->moveCount != kMoves) state.SkipWithError("the generated record was not read whole");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadNgfRecord);

constexpr int kSgfMoves = 300;
constexpr int kSgfVariations = 40;
constexpr int kSgfComments = 200;

// A commented professional game as SGF: 300 moves, 40 variations of 6 moves with labels and
// a comment each, 200 comments on the main line; comments in UTF-8 Korean.
std::string SgfText() {
  const std::string note =
      "흑이 좌변에서 패를 따내며 팻감을 찾습니다. 백은 중앙을 \\] 두텁게 하여 대응합니다.";
  std::string text =
      "(;GM[1]FF[4]CA[UTF-8]SZ[19]AP[Bench:1]PB[Black]BR[9p]PW[White]WR[9p]EV[Cup]RO[1]"
      "DT[2026-12-08]PC[Seoul]KM[6.5]RE[B+R]TM[7200]OT[5x60 byo-yomi]\n";
  int comments = 0;
  std::vector<int> branchPoints;
  for (int i = 1; i <= kSgfMoves; ++i) {
    if (branchPoints.size() < kSgfVariations && i % 7 == 3) {
      // A variation replaces move i: the main line goes on as the first branch.
      text += "(";
      branchPoints.push_back(i);
    }
    text += (i % 2 ? ";B[" : ";W[") + Point(i) + "]";
    if (comments < kSgfComments && i % 3 != 0) {
      text += "C[" + note + "]";
      ++comments;
    }
    text += "\n";
  }
  // Innermost first: close the main line's branch, then give the variation beside it.
  for (auto i = branchPoints.rbegin(); i != branchPoints.rend(); ++i) {
    text += ")(";
    for (int j = 0; j < 6; ++j) {
      text += ((*i + j) % 2 ? ";B[" : ";W[") + Point(*i + 500 + j) + "]";
      if (j == 0) text += "C[" + note + "]LB[aa:A][bb:B]";
    }
    text += ")";
  }
  text += ")";
  return text + "\n";
}

void BM_ReadSgfRecord(benchmark::State& state) {
  const std::string text = SgfText();
  auto record = std::make_unique<TGameRecord>();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadSgfRecord(*record, text));
    benchmark::ClobberMemory();
  }
  if (record->moveCount != kSgfMoves || record->commentCount != kSgfComments + kSgfVariations) {
    state.SkipWithError("the generated record was not read whole");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadSgfRecord);

// A 100 kB UTF-8 record, found to be UTF-8 and converted to CP949.
void BM_DecodeUtf8Record(benchmark::State& state) {
  std::string text = SgfText();
  while (text.size() < 100 * 1024) text += SgfText();
  text.resize(100 * 1024);
  while ((static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (static_cast<unsigned char>(text.back()) >= 0xC0) text.pop_back();
  for (auto _ : state) {
    const TDecodedText decoded = DecodeRecordText(text);
    benchmark::DoNotOptimize(decoded.text.data());
    if (decoded.encoding != "UTF-8" || decoded.lostCharacters != 0) {
      state.SkipWithError("the text was not read as UTF-8");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_DecodeUtf8Record)->Unit(benchmark::kMicrosecond);

// Writes the generated texts where MOYO_RECORD_BENCH_OUT says, before the benchmarks run.
const bool kWritten = [] {
  const char* dir = std::getenv("MOYO_RECORD_BENCH_OUT");
  if (!dir) return false;
  std::ofstream(std::string(dir) + "/record-400.gib", std::ios::binary) << TaggedText();
  std::ofstream(std::string(dir) + "/record-400.ngf", std::ios::binary) << NgfText();
  std::ofstream(std::string(dir) + "/record-300.sgf", std::ios::binary) << SgfText();
  return true;
}();

}  // namespace
}  // namespace moyo
