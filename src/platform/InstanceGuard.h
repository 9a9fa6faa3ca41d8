// One running copy per user session. The first copy holds an exclusive lock on a file in a
// private folder and listens on a socket beside it; a second copy finds the lock taken, sends
// the first one a request to raise its window, and ends. The lock belongs to the process, so
// it is released even when the game crashes; the lock file itself stays.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class TInstanceGuard {
 public:
  explicit TInstanceGuard(const std::string& Folder);
  ~TInstanceGuard();
  TInstanceGuard(const TInstanceGuard&) = delete;
  TInstanceGuard& operator=(const TInstanceGuard&) = delete;

  // True when this process is now the running copy; OnRaiseRequest is then called (on a
  // listening thread) each time another copy starts. False when another copy holds the lock:
  // it has been asked to raise its window. When the folder is unusable nothing can be
  // guarded and the answer is true.
  bool Claim(std::function<void()> OnRaiseRequest);

  std::string LockPath() const { return Folder + "plotstead.lock"; }
  std::string SocketPath() const { return Folder + "plotstead.sock"; }

 private:
  void Listen();
  void AnswerClient();
  void StopListening();
  static void AskToRaise(const std::string& Path);

  std::string Folder;
  int LockFd = -1;
  int ListenFd = -1;
  int StopFd = -1;
  std::thread Listener;
  std::function<void()> OnRaise;
};
