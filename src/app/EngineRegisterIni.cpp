#include "app/EngineRegisterIni.h"

#include <cstdlib>

#include "platform/SafeFile.h"

namespace {

std::string Trim(const std::string& Text) {
  size_t Begin = Text.find_first_not_of(" \t\r");
  if (Begin == std::string::npos) return "";
  size_t End = Text.find_last_not_of(" \t\r");
  return Text.substr(Begin, End - Begin + 1);
}

bool SameName(const std::string& A, const std::string& B) {
  if (A.size() != B.size()) return false;
  for (size_t i = 0; i < A.size(); ++i) {
    auto Lower = [](char C) { return (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C; };
    if (Lower(A[i]) != Lower(B[i])) return false;
  }
  return true;
}

bool IsSectionLine(const std::string& Line, std::string* Name = nullptr) {
  std::string T = Trim(Line);
  if (T.size() < 2 || T.front() != '[' || T.back() != ']') return false;
  if (Name) *Name = Trim(T.substr(1, T.size() - 2));
  return true;
}

bool IsCommentOrBlank(const std::string& Line) {
  std::string T = Trim(Line);
  return T.empty() || T[0] == ';' || T[0] == '#';
}

}  // namespace

bool TIniFile::Load(const std::string& Path) {
  std::string Content;
  bool Missing = false;
  if (!ReadWholeFile(Path, Content, &Missing)) {
    Lines.clear();
    return Missing;
  }
  Parse(Content);
  return true;
}

void TIniFile::Parse(const std::string& Content) {
  Lines.clear();
  MalformedLines.clear();
  size_t Start = 0;
  while (Start < Content.size()) {
    size_t End = Content.find('\n', Start);
    if (End == std::string::npos) End = Content.size();
    std::string Line = Content.substr(Start, End - Start);
    if (!Line.empty() && Line.back() == '\r') Line.pop_back();
    Lines.push_back(Line);
    Start = End + 1;
  }
  for (size_t i = 0; i < Lines.size(); ++i)
    if (!IsSectionLine(Lines[i]) && !IsCommentOrBlank(Lines[i]) &&
        Lines[i].find('=') == std::string::npos)
      MalformedLines.push_back(static_cast<int>(i) + 1);
}

int TIniFile::FindSection(const std::string& Section) const {
  std::string Name;
  for (size_t i = 0; i < Lines.size(); ++i)
    if (IsSectionLine(Lines[i], &Name) && SameName(Name, Section)) return static_cast<int>(i);
  return -1;
}

int TIniFile::SectionEnd(int SectionLine) const {
  int i = SectionLine + 1;
  while (i < static_cast<int>(Lines.size()) && !IsSectionLine(Lines[i])) ++i;
  return i;
}

int TIniFile::FindKey(int SectionLine, const std::string& Key) const {
  int End = SectionEnd(SectionLine);
  for (int i = SectionLine + 1; i < End; ++i) {
    size_t Equals = Lines[i].find('=');
    if (Equals != std::string::npos && !IsCommentOrBlank(Lines[i]) &&
        SameName(Trim(Lines[i].substr(0, Equals)), Key))
      return i;
  }
  return -1;
}

bool TIniFile::ReadString(const std::string& Section, const std::string& Key,
                          std::string& Value) const {
  int SectionLine = FindSection(Section);
  if (SectionLine < 0) return false;
  int KeyLine = FindKey(SectionLine, Key);
  if (KeyLine < 0) return false;
  Value = Trim(Lines[KeyLine].substr(Lines[KeyLine].find('=') + 1));
  return true;
}

bool TIniFile::ReadBool(const std::string& Section, const std::string& Key, bool Default) const {
  std::string Value;
  if (!ReadString(Section, Key, Value)) return Default;
  return !Value.empty() && Value[0] == '1';
}

int TIniFile::ReadInteger(const std::string& Section, const std::string& Key,
                          int Default) const {
  std::string Value;
  if (!ReadString(Section, Key, Value) || Value.empty()) return Default;
  char* End = nullptr;
  long Number = std::strtol(Value.c_str(), &End, 10);
  if (*End != '\0' || Number < -2147483647L || Number > 2147483647L) return Default;
  return static_cast<int>(Number);
}

void TIniFile::WriteString(const std::string& Section, const std::string& Key,
                           const std::string& Value) {
  int SectionLine = FindSection(Section);
  if (SectionLine < 0) {
    if (!Lines.empty() && !Trim(Lines.back()).empty()) Lines.push_back("");
    Lines.push_back("[" + Section + "]");
    Lines.push_back(Key + "=" + Value);
    return;
  }
  int KeyLine = FindKey(SectionLine, Key);
  if (KeyLine >= 0) {
    Lines[KeyLine] = Key + "=" + Value;
    return;
  }
  int Insert = SectionEnd(SectionLine);
  while (Insert > SectionLine + 1 && Trim(Lines[Insert - 1]).empty()) --Insert;
  Lines.insert(Lines.begin() + Insert, Key + "=" + Value);
}

void TIniFile::WriteBool(const std::string& Section, const std::string& Key, bool Value) {
  WriteString(Section, Key, Value ? "1" : "0");
}

void TIniFile::WriteInteger(const std::string& Section, const std::string& Key, int Value) {
  WriteString(Section, Key, std::to_string(Value));
}

std::string TIniFile::Text() const {
  std::string Content;
  for (const std::string& Line : Lines) Content += Line + "\n";
  return Content;
}
