#pragma once
// Another GTP engine run as a child process over pipes, to compare answers with.

#include <memory>
#include <string>
#include <vector>

namespace moyo::test {

class TGtpPeer {
 public:
  // Starts Program with one argument list ("--mode gtp"); Running() tells whether it came up.
  TGtpPeer(const std::string& Program, const char* const* Argv);
  ~TGtpPeer();
  TGtpPeer(const TGtpPeer&) = delete;
  TGtpPeer& operator=(const TGtpPeer&) = delete;

  bool Running() const { return Pid_ > 0; }
  // Sends one command and returns the whole response up to and including its blank line,
  // or an empty string when the peer has gone.
  std::string Ask(const std::string& Command);
  // Sends all commands at once and returns their responses in order (one round trip).
  std::vector<std::string> AskAll(const std::vector<std::string>& Commands);

 private:
  bool Send(const std::string& Text);
  std::string Receive();

  int Pid_ = -1;
  int ToPeer_ = -1;
  int FromPeer_ = -1;
  std::string Pending_;
};

// GNU Go as a GTP peer, or nothing when it is not installed.
std::unique_ptr<TGtpPeer> StartGnuGo();

// A response with its words sorted, so that vertex lists compare whatever their order.
std::string SortedWords(const std::string& Response);

}  // namespace moyo::test
