#include "tests/board/GtpPeer.h"

#include <algorithm>
#include <sstream>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace moyo::test {

TGtpPeer::TGtpPeer(const std::string& Program, const char* const* Argv) {
  // A peer that dies must show up as an empty answer, not end the test program.
  signal(SIGPIPE, SIG_IGN);
  int in[2], out[2];
  if (pipe(in) != 0) return;
  if (pipe(out) != 0) {
    close(in[0]);
    close(in[1]);
    return;
  }
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(in[0]);
    close(in[1]);
    close(out[0]);
    close(out[1]);
    execv(Program.c_str(), const_cast<char* const*>(Argv));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  if (pid < 0) {
    close(in[1]);
    close(out[0]);
    return;
  }
  Pid_ = pid;
  ToPeer_ = in[1];
  FromPeer_ = out[0];
}

TGtpPeer::~TGtpPeer() {
  if (Pid_ <= 0) return;
  Ask("quit");
  close(ToPeer_);
  close(FromPeer_);
  int status = 0;
  for (int i = 0; i < 100 && waitpid(Pid_, &status, WNOHANG) == 0; ++i) usleep(10000);
  if (waitpid(Pid_, &status, WNOHANG) == 0) {
    kill(Pid_, SIGKILL);
    waitpid(Pid_, &status, 0);
  }
}

std::string TGtpPeer::Ask(const std::string& Command) {
  return Send(Command + "\n") ? Receive() : std::string();
}

std::vector<std::string> TGtpPeer::AskAll(const std::vector<std::string>& Commands) {
  std::string text;
  for (const std::string& command : Commands) text += command + "\n";
  std::vector<std::string> responses;
  if (!Send(text)) return responses;
  for (std::size_t i = 0; i < Commands.size(); ++i) responses.push_back(Receive());
  return responses;
}

bool TGtpPeer::Send(const std::string& Text) {
  if (Pid_ <= 0) return false;
  return write(ToPeer_, Text.data(), Text.size()) == static_cast<ssize_t>(Text.size());
}

std::string TGtpPeer::Receive() {
  for (;;) {
    const std::size_t end = Pending_.find("\n\n");
    if (end != std::string::npos) {
      std::string response = Pending_.substr(0, end + 2);
      Pending_.erase(0, end + 2);
      return response;
    }
    char buffer[4096];
    const ssize_t n = read(FromPeer_, buffer, sizeof buffer);
    if (n <= 0) return {};
    Pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

std::unique_ptr<TGtpPeer> StartGnuGo() {
  static constexpr const char* kGnuGo = "/usr/games/gnugo";
  if (::access(kGnuGo, X_OK) != 0) return nullptr;
  static const char* const argv[] = {kGnuGo, "--mode", "gtp", "--quiet", nullptr};
  return std::make_unique<TGtpPeer>(kGnuGo, argv);
}

std::string SortedWords(const std::string& Response) {
  std::istringstream words(Response);
  std::vector<std::string> items;
  for (std::string w; words >> w;) items.push_back(w);
  std::sort(items.begin(), items.end());
  std::string text;
  for (const std::string& w : items) text += w + " ";
  return text;
}

}  // namespace moyo::test
