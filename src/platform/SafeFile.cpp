#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string FolderOf(const std::string& Path) {
  size_t Slash = Path.rfind('/');
  return Slash == std::string::npos ? "." : Path.substr(0, Slash + 1);
}

bool WriteAll(int Fd, const std::string& Content) {
  size_t Done = 0;
  while (Done < Content.size()) {
    ssize_t Written = ::write(Fd, Content.data() + Done, Content.size() - Done);
    if (Written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    Done += static_cast<size_t>(Written);
  }
  return true;
}

}  // namespace

bool WriteFileSafely(const std::string& Path, const std::string& Content, std::string& Error) {
  std::string Temp = Path + ".tmp-XXXXXX";
  int Fd = ::mkstemp(Temp.data());
  if (Fd < 0) {
    Error = std::strerror(errno);
    return false;
  }
  bool Ok = WriteAll(Fd, Content) && ::fsync(Fd) == 0;
  int SavedErrno = errno;
  Ok = (::close(Fd) == 0) && Ok;
  if (Ok) ::chmod(Temp.c_str(), 0644);
  if (Ok && ::rename(Temp.c_str(), Path.c_str()) != 0) {
    Ok = false;
    SavedErrno = errno;
  }
  if (!Ok) {
    Error = std::strerror(SavedErrno ? SavedErrno : EIO);
    ::unlink(Temp.c_str());
    return false;
  }
  int DirFd = ::open(FolderOf(Path).c_str(), O_RDONLY | O_DIRECTORY);
  if (DirFd >= 0) {
    ::fsync(DirFd);
    ::close(DirFd);
  }
  return true;
}

bool ReadWholeFile(const std::string& Path, std::string& Content, bool* Missing) {
  Content.clear();
  if (Missing) *Missing = false;
  int Fd = ::open(Path.c_str(), O_RDONLY);
  if (Fd < 0) {
    if (Missing) *Missing = (errno == ENOENT);
    return false;
  }
  char Buffer[65536];
  for (;;) {
    ssize_t Got = ::read(Fd, Buffer, sizeof Buffer);
    if (Got < 0 && errno == EINTR) continue;
    if (Got < 0) {
      ::close(Fd);
      return false;
    }
    if (Got == 0) break;
    Content.append(Buffer, static_cast<size_t>(Got));
  }
  ::close(Fd);
  return true;
}
