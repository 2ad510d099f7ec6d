#include "board/gtp/GtpEngine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <vector>

namespace moyo::gtp {
namespace {

using Words = std::vector<std::string_view>;

// A command's outcome: the response text, and whether it is an error.
struct TReply {
  bool Ok = true;
  std::string Text;
};

TReply Success(std::string Text = {}) {
  return {true, std::move(Text)};
}
TReply Failure(std::string Text) {
  return {false, std::move(Text)};
}
TReply SyntaxError() {
  return Failure("syntax error");
}

// Lines longer than this are answered with an error instead of being read on.
constexpr std::size_t kMaxLine = 4096;

// Removes control characters (a tab becomes a space) and the comment after '#'.
std::string Cleaned(std::string_view Line) {
  std::string text;
  for (const char c : Line) {
    if (c == '#') break;
    if (c == '\t') {
      text += ' ';
    } else if (static_cast<unsigned char>(c) >= 32 && c != 127) {
      text += c;
    }
  }
  return text;
}

Words Split(std::string_view Text) {
  Words words;
  std::size_t i = 0;
  while (i < Text.size()) {
    while (i < Text.size() && Text[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < Text.size() && Text[i] != ' ') ++i;
    if (i > start) words.push_back(Text.substr(start, i - start));
  }
  return words;
}

bool ParseInt(std::string_view Text, int& Value) {
  const char* end = Text.data() + Text.size();
  const auto [ptr, ec] = std::from_chars(Text.data(), end, Value);
  return ec == std::errc() && ptr == end;
}

bool IsNumber(std::string_view Text) {
  return !Text.empty() &&
         std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Lower(std::string_view Text) {
  std::string lower(Text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// Black or white from "b", "black", "w", "white" in any case; 0 for anything else.
std::uint8_t ParseColour(std::string_view Text) {
  const std::string word = Lower(Text);
  if (word == "b" || word == "black") return kBlack;
  if (word == "w" || word == "white") return kWhite;
  return 0;
}

const char* ColourName(std::uint8_t Colour) {
  return Colour == kBlack ? "black" : "white";
}

// A vertex on the board, or a pass.
struct TVertex {
  bool Pass = false;
  int X = 0;
  int Y = 0;
};

bool ParseVertex(std::string_view Text, int Size, TVertex& Vertex) {
  if (Lower(Text) == "pass") {
    Vertex = TVertex{true, 0, 0};
    return true;
  }
  if (Text.size() < 2) return false;
  const int x = ColumnOfLetter(Text[0]);
  int row = 0;
  if (x < 1 || x > Size || !IsNumber(Text.substr(1)) || !ParseInt(Text.substr(1), row) || row < 1 ||
      row > Size) {
    return false;
  }
  Vertex = TVertex{false, x, Size - row + 1};
  return true;
}

std::string StonesOf(const TGoBoard& Board, std::uint8_t Colour) {
  std::string text;
  for (int y = Board.Size(); y >= 1; --y) {
    for (int x = 1; x <= Board.Size(); ++x) {
      if (Board.Point(x, y) != Colour) continue;
      if (!text.empty()) text += ' ';
      text += VertexText(x, y, Board.Size());
    }
  }
  return text;
}

bool BoardIsEmpty(const TGoBoard& Board) {
  if (Board.MoveCount() != 0) return false;
  for (int y = 1; y <= Board.Size(); ++y) {
    for (int x = 1; x <= Board.Size(); ++x) {
      if (Board.Point(x, y) != kEmpty) return false;
    }
  }
  return true;
}

std::string ShowBoard(const TGoBoard& Board) {
  const int size = Board.Size();
  std::string letters = "   ";
  for (int x = 1; x <= size; ++x) {
    letters += ' ';
    letters += VertexText(x, size, size).front();
  }
  std::string text = "\n" + letters + "\n";
  for (int y = 1; y <= size; ++y) {
    const std::string row = std::to_string(size - y + 1);
    text += std::string(3 - row.size(), ' ') + row;
    for (int x = 1; x <= size; ++x) {
      const std::uint8_t c = Board.Point(x, y);
      text += c == kBlack ? " X" : (c == kWhite ? " O" : " .");
    }
    text += ' ' + row + "\n";
  }
  text += letters + "\n";
  text += "black (X) has captured " + std::to_string(Board.BlackCaptures()) +
          " stones, white (O) has captured " + std::to_string(Board.WhiteCaptures()) + "; " +
          ColourName(Board.ToMove()) + " to move";
  return text;
}

using THandler = TReply (*)(TGoBoard& Board, const Words& Args, bool& Quit);

struct TCommand {
  std::string_view Name;
  THandler Run;
};

TReply PlayCommand(TGoBoard& Board, const Words& Args, bool&) {
  if (Args.size() != 2) return SyntaxError();
  const std::uint8_t colour = ParseColour(Args[0]);
  TVertex vertex;
  if (colour == 0 || !ParseVertex(Args[1], Board.Size(), vertex)) return SyntaxError();
  // The board alternates the colours itself, so only the side to move may play.
  if (colour != Board.ToMove()) {
    return Failure(std::string("illegal move: ") + ColourName(Board.ToMove()) + " is to move");
  }
  if (!vertex.Pass) {
    return Board.PlayMove(vertex.X, vertex.Y, true) ? Success() : Failure("illegal move");
  }
  // The board keeps its line after a pass so the viewer can replay a recorded
  // one; a pass sent over GTP is a new move like any other and cuts the line.
  if (!Board.Pass()) return Failure("illegal move");
  Board.SetLastMove(Board.MoveCount());
  return Success();
}

TReply IsLegalCommand(TGoBoard& Board, const Words& Args, bool&) {
  if (Args.size() != 2) return SyntaxError();
  const std::uint8_t colour = ParseColour(Args[0]);
  TVertex vertex;
  if (colour == 0 || !ParseVertex(Args[1], Board.Size(), vertex)) return SyntaxError();
  const bool room = Board.MoveCount() < kMaxMoves;
  const bool legal =
      colour == Board.ToMove() && (vertex.Pass ? room : Board.IsLegal(vertex.X, vertex.Y));
  return Success(legal ? "1" : "0");
}

TReply ColourArgument(const Words& Args, std::uint8_t& Colour) {
  if (Args.size() != 1 || (Colour = ParseColour(Args[0])) == 0) return SyntaxError();
  return Success();
}

const TCommand kCommands[] = {
    {"protocol_version", [](TGoBoard&, const Words&, bool&) { return Success("2"); }},
    {"name", [](TGoBoard&, const Words&, bool&) { return Success("Moyoscope"); }},
    {"version", [](TGoBoard&, const Words&, bool&) { return Success(MOYO_VERSION); }},
    {"known_command", nullptr},
    {"list_commands", nullptr},
    {"boardsize",
     [](TGoBoard& Board, const Words& Args, bool&) {
       int size = 0;
       if (Args.size() != 1 || !ParseInt(Args[0], size)) return SyntaxError();
       if (size < 1 || size > kMaxBoardSize) return Failure("unacceptable size");
       Board.NewGame(static_cast<std::uint8_t>(size));
       return Success();
     }},
    {"clear_board",
     [](TGoBoard& Board, const Words&, bool&) {
       Board.NewGame(Board.Size());
       return Success();
     }},
    {"komi",
     [](TGoBoard&, const Words& Args, bool&) {
       if (Args.size() != 1) return SyntaxError();
       const std::string text(Args[0]);
       char* end = nullptr;
       const double komi = std::strtod(text.c_str(), &end);
       if (end != text.c_str() + text.size() || !std::isfinite(komi)) return SyntaxError();
       return Success();
     }},
    {"play", PlayCommand},
    {"undo", [](TGoBoard& Board, const Words&,
                bool&) { return Board.Back() ? Success() : Failure("cannot undo"); }},
    {"is_legal", IsLegalCommand},
    {"fixed_handicap",
     [](TGoBoard& Board, const Words& Args, bool&) {
       int count = 0;
       if (Args.size() != 1 || !ParseInt(Args[0], count)) return SyntaxError();
       const int size = Board.Size();
       if (count < 2 || count > 19 || (size != 9 && size != 13 && size != 19)) {
         return Failure("invalid number of stones");
       }
       if (!BoardIsEmpty(Board)) return Failure("board not empty");
       Board.SetHandicap(count, 1);
       return Success(StonesOf(Board, kBlack));
     }},
    {"list_stones",
     [](TGoBoard& Board, const Words& Args, bool&) {
       std::uint8_t colour = 0;
       TReply reply = ColourArgument(Args, colour);
       return reply.Ok ? Success(StonesOf(Board, colour)) : reply;
     }},
    {"captures",
     [](TGoBoard& Board, const Words& Args, bool&) {
       std::uint8_t colour = 0;
       TReply reply = ColourArgument(Args, colour);
       if (!reply.Ok) return reply;
       return Success(
           std::to_string(colour == kBlack ? Board.BlackCaptures() : Board.WhiteCaptures()));
     }},
    {"showboard", [](TGoBoard& Board, const Words&, bool&) { return Success(ShowBoard(Board)); }},
    {"quit",
     [](TGoBoard&, const Words&, bool& Quit) {
       Quit = true;
       return Success();
     }},
    {"loadsgf", nullptr},  // answered by the engine, which holds the loader
    {"moyo-forward", [](TGoBoard& Board, const Words&,
                        bool&) { return Success(Board.Forward() ? "true" : "false"); }},
    {"moyo-back",
     [](TGoBoard& Board, const Words&, bool&) { return Success(Board.Back() ? "true" : "false"); }},
    {"moyo-state",
     [](TGoBoard& Board, const Words&, bool&) {
       return Success(std::to_string(Board.MoveCount()) + " " + std::to_string(Board.LastMove()) +
                      " " + std::to_string(Board.ToMove()) + " " +
                      std::to_string(Board.BlackCaptures()) + " " +
                      std::to_string(Board.WhiteCaptures()));
     }},
};

// "loadsgf FILE [MOVE]": the colour to move in the loaded position. A file name holds no blank.
TReply LoadFileCommand(const TGtpEngine::TRecordLoader& Loader, TGoBoard& Board,
                       const Words& Args) {
  int beforeMove = 0;
  if (Args.empty() || Args.size() > 2 || (Args.size() == 2 && !ParseInt(Args[1], beforeMove))) {
    return SyntaxError();
  }
  std::string error = "cannot load files";
  if (!Loader || !Loader(std::string(Args[0]), beforeMove, Board, error)) return Failure(error);
  return Success(ColourName(Board.ToMove()));
}

const TCommand* FindCommand(std::string_view Name) {
  for (const TCommand& command : kCommands) {
    if (command.Name == Name) return &command;
  }
  return nullptr;
}

TReply Run(const TCommand& Command, TGoBoard& Board, const Words& Args, bool& Quit) {
  if (Command.Name == "known_command") {
    if (Args.size() != 1) return SyntaxError();
    return Success(FindCommand(Args[0]) ? "true" : "false");
  }
  if (Command.Name == "list_commands") {
    std::string names;
    for (const TCommand& command : kCommands) {
      if (!names.empty()) names += '\n';
      names += command.Name;
    }
    return Success(names);
  }
  return Command.Run(Board, Args, Quit);
}

std::string Response(const std::string& Id, const TReply& Reply) {
  std::string text = (Reply.Ok ? "=" : "?") + Id;
  return text + " " + Reply.Text + "\n\n";
}

}  // namespace

int ColumnOfLetter(char Letter) {
  if (Letter >= 'a' && Letter <= 'z') Letter = static_cast<char>(Letter - 'a' + 'A');
  if (Letter < 'A' || Letter > 'T' || Letter == 'I') return 0;
  return Letter - 'A' + (Letter > 'I' ? 0 : 1);
}

std::string VertexText(int X, int Y, int Size) {
  const char letter = static_cast<char>('A' + X - 1 + (X >= 9 ? 1 : 0));
  return letter + std::to_string(Size - Y + 1);
}

std::string TGtpEngine::Execute(std::string_view Line) {
  if (Line.size() > kMaxLine) return Response("", Failure("line too long"));
  const std::string text = Cleaned(Line);
  Words words = Split(text);
  if (words.empty()) return {};
  std::string id;
  if (IsNumber(words.front())) {
    id = std::string(words.front());
    words.erase(words.begin());
  }
  if (words.empty()) return Response(id, SyntaxError());
  const TCommand* command = FindCommand(words.front());
  if (!command) return Response(id, Failure("unknown command"));
  const Words args(words.begin() + 1, words.end());
  if (command->Name == "loadsgf") return Response(id, LoadFileCommand(LoadRecord, Board_, args));
  return Response(id, Run(*command, Board_, args, Quit_));
}

int RunSession(std::istream& In, std::ostream& Out, TGtpEngine::TRecordLoader Loader) {
  TGtpEngine engine;
  engine.LoadRecord = std::move(Loader);
  std::string line;
  char c = 0;
  // Reads by character and keeps at most one byte past the limit, so a line without end
  // cannot grow without bound and is still answered as too long.
  while (!engine.QuitRequested() && In.get(c)) {
    if (c != '\n') {
      if (line.size() <= kMaxLine) line += c;
      continue;
    }
    Out << engine.Execute(line) << std::flush;
    line.clear();
  }
  if (!engine.QuitRequested() && !line.empty()) Out << engine.Execute(line);
  Out << std::flush;
  return 0;
}

}  // namespace moyo::gtp
