#include "platform/InstanceGuard.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const char kRaiseRequest[] = "raise\n";

// False when the path does not fit a socket address.
bool MakeAddress(const std::string& Path, sockaddr_un& Address) {
  std::memset(&Address, 0, sizeof(Address));
  Address.sun_family = AF_UNIX;
  if (Path.size() >= sizeof(Address.sun_path)) return false;
  std::memcpy(Address.sun_path, Path.c_str(), Path.size() + 1);
  return true;
}

}  // namespace

TInstanceGuard::TInstanceGuard(const std::string& NewFolder) : Folder(NewFolder) {
  if (!Folder.empty() && Folder.back() != '/') Folder += '/';
}

TInstanceGuard::~TInstanceGuard() {
  StopListening();
  if (LockFd >= 0) close(LockFd);
}

bool TInstanceGuard::Claim(std::function<void()> OnRaiseRequest) {
  if (Folder.empty()) return true;
  LockFd = open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (LockFd < 0) return true;
  if (flock(LockFd, LOCK_EX | LOCK_NB) != 0) {
    close(LockFd);
    LockFd = -1;
    AskToRaise(SocketPath());
    return false;
  }
  OnRaise = std::move(OnRaiseRequest);
  Listen();
  return true;
}

// A copy that crashed may have left its socket behind; holding the lock makes it ours to
// replace. Without a socket the guard still works, only the raise request is lost.
void TInstanceGuard::Listen() {
  sockaddr_un Address;
  if (!MakeAddress(SocketPath(), Address)) return;
  unlink(SocketPath().c_str());
  ListenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  StopFd = eventfd(0, EFD_CLOEXEC);
  if (ListenFd < 0 || StopFd < 0 ||
      bind(ListenFd, reinterpret_cast<sockaddr*>(&Address), sizeof(Address)) != 0 ||
      listen(ListenFd, 4) != 0) {
    StopListening();
    return;
  }
  Listener = std::thread([this] {
    pollfd Watched[2] = {{ListenFd, POLLIN, 0}, {StopFd, POLLIN, 0}};
    while (true) {
      if (poll(Watched, 2, -1) < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (Watched[1].revents) return;
      if (Watched[0].revents & POLLIN) AnswerClient();
    }
  });
}

// Reads one request; a client that stays silent is dropped after a second.
void TInstanceGuard::AnswerClient() {
  int Client = accept4(ListenFd, nullptr, nullptr, SOCK_CLOEXEC);
  if (Client < 0) return;
  timeval Timeout = {1, 0};
  setsockopt(Client, SOL_SOCKET, SO_RCVTIMEO, &Timeout, sizeof(Timeout));
  char Request[sizeof(kRaiseRequest)] = {};
  ssize_t Length = recv(Client, Request, sizeof(Request) - 1, 0);
  close(Client);
  if (Length > 0 && std::strcmp(Request, kRaiseRequest) == 0 && OnRaise) OnRaise();
}

void TInstanceGuard::StopListening() {
  if (Listener.joinable()) {
    uint64_t One = 1;
    while (write(StopFd, &One, sizeof(One)) < 0 && errno == EINTR) {
    }
    Listener.join();
  }
  if (ListenFd >= 0) {
    close(ListenFd);
    unlink(SocketPath().c_str());
  }
  if (StopFd >= 0) close(StopFd);
  ListenFd = StopFd = -1;
}

void TInstanceGuard::AskToRaise(const std::string& Path) {
  sockaddr_un Address;
  if (!MakeAddress(Path, Address)) return;
  int Fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (Fd < 0) return;
  if (connect(Fd, reinterpret_cast<sockaddr*>(&Address), sizeof(Address)) == 0)
    send(Fd, kRaiseRequest, sizeof(kRaiseRequest) - 1, MSG_NOSIGNAL);
  close(Fd);
}
