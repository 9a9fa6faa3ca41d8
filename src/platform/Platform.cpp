#include "platform/Platform.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

TPlatform* Platform = nullptr;

namespace {

std::string WithSlash(std::string Folder) {
  if (!Folder.empty() && Folder.back() != '/') Folder += '/';
  return Folder;
}

bool IsAbsolute(const char* Path) { return Path && Path[0] == '/'; }

const passwd* AccountEntry() { return getpwuid(getuid()); }

// One line of user-dirs.dirs, e.g. XDG_DOCUMENTS_DIR="$HOME/Documents"; "" when it is not
// the documents line or not a form we understand.
std::string DocumentsFromLine(const std::string& Line, const std::string& Home) {
  const std::string Key = "XDG_DOCUMENTS_DIR=\"";
  if (Line.rfind(Key, 0) != 0) return "";
  size_t End = Line.find('"', Key.size());
  if (End == std::string::npos) return "";
  std::string Value = Line.substr(Key.size(), End - Key.size());
  if (Value.rfind("$HOME", 0) == 0)
    Value = Home.substr(0, Home.size() - 1) + Value.substr(5);
  else if (Value.empty() || Value[0] != '/')
    return "";
  return WithSlash(Value);
}

// Windows-1252 codes 0x80..0x9F and the Unicode characters they stand for; 0 marks the five
// codes that are unassigned.
const char32_t kHighCodes[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point, or 0 when it has none (or is a control character).
unsigned char Windows1252Of(char32_t Code) {
  if (Code >= 0x20 && Code < 0x7F) return static_cast<unsigned char>(Code);
  if (Code >= 0xA0 && Code <= 0xFF) return static_cast<unsigned char>(Code);
  for (int i = 0; i < 32; ++i)
    if (kHighCodes[i] != 0 && kHighCodes[i] == Code) return static_cast<unsigned char>(0x80 + i);
  return 0;
}

// Decodes one UTF-8 sequence at Text[Pos]; returns its length, and Code = 0xFFFFFFFF when the
// sequence is malformed (then one byte is skipped).
size_t DecodeUtf8(const std::string& Text, size_t Pos, char32_t& Code) {
  const auto Byte = [&](size_t i) { return static_cast<unsigned char>(Text[i]); };
  unsigned char First = Byte(Pos);
  size_t Length = First < 0x80 ? 1 : (First >> 5) == 6 ? 2 : (First >> 4) == 14 ? 3
                                   : (First >> 3) == 30 ? 4 : 0;
  Code = 0xFFFFFFFF;
  if (Length == 0 || Pos + Length > Text.size()) return 1;
  char32_t Value = Length == 1 ? First : First & (0x7F >> Length);
  for (size_t i = 1; i < Length; ++i) {
    if ((Byte(Pos + i) & 0xC0) != 0x80) return 1;
    Value = (Value << 6) | (Byte(Pos + i) & 0x3F);
  }
  static const char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (Value < kSmallest[Length] || Value > 0x10FFFF || (Value >= 0xD800 && Value <= 0xDFFF))
    return 1;
  Code = Value;
  return Length;
}

}  // namespace

std::string HomeFolder() {
  const char* Home = std::getenv("HOME");
  if (IsAbsolute(Home)) return WithSlash(Home);
  const passwd* Entry = AccountEntry();
  if (Entry && IsAbsolute(Entry->pw_dir)) return WithSlash(Entry->pw_dir);
  return "";
}

std::string XdgFolder(const char* EnvName, const char* HomeRelative) {
  const char* Value = std::getenv(EnvName);
  if (IsAbsolute(Value)) return WithSlash(Value);
  std::string Home = HomeFolder();
  return Home.empty() ? "" : Home + HomeRelative;
}

std::string XdgDocumentsFolder() {
  std::string Home = HomeFolder();
  std::string Config = XdgFolder("XDG_CONFIG_HOME", ".config/");
  std::ifstream File(Config + "user-dirs.dirs");
  std::string Line;
  while (std::getline(File, Line)) {
    std::string Folder = DocumentsFromLine(Line, Home);
    if (!Folder.empty()) return Folder;
  }
  return Home.empty() ? "" : Home + "Documents/";
}

std::string XdgRuntimeFolder() {
  const char* Runtime = std::getenv("XDG_RUNTIME_DIR");
  struct stat Info;
  if (IsAbsolute(Runtime) && stat(Runtime, &Info) == 0 && S_ISDIR(Info.st_mode))
    return WithSlash(Runtime);
  // Without a session folder: a folder of our own in /tmp, usable only when this user owns it
  // and nobody else may enter it.
  std::string Folder = "/tmp/plotstead-" + std::to_string(getuid()) + "/";
  mkdir(Folder.c_str(), 0700);
  if (lstat(Folder.c_str(), &Info) != 0 || !S_ISDIR(Info.st_mode) || Info.st_uid != getuid() ||
      (Info.st_mode & 077) != 0)
    return "";
  return Folder;
}

std::string ExecutableFolder() {
  char Path[4096];
  ssize_t Length = readlink("/proc/self/exe", Path, sizeof(Path) - 1);
  if (Length <= 0) return "";
  std::string Exe(Path, static_cast<size_t>(Length));
  size_t Slash = Exe.rfind('/');
  return Slash == std::string::npos ? "" : Exe.substr(0, Slash + 1);
}

std::string AccountName() {
  const passwd* Entry = AccountEntry();
  if (Entry && Entry->pw_name) return Entry->pw_name;
  const char* User = std::getenv("USER");
  return User ? User : "";
}

std::string Utf8ToWindows1252(const std::string& Text) {
  std::string Result;
  for (size_t Pos = 0; Pos < Text.size();) {
    char32_t Code;
    Pos += DecodeUtf8(Text, Pos, Code);
    if (unsigned char Byte = Windows1252Of(Code)) Result += static_cast<char>(Byte);
  }
  return Result;
}
