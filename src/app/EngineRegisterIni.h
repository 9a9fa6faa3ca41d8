// A small INI file kept as its lines, so that sections and keys the game does not know
// survive a rewrite. Section and key names compare without regard to ASCII case.
#pragma once

#include <string>
#include <vector>

class TIniFile {
 public:
  // A missing file reads as empty and counts as read; false when the file exists but cannot
  // be read completely.
  bool Load(const std::string& Path);
  void Parse(const std::string& Content);

  bool ReadBool(const std::string& Section, const std::string& Key, bool Default) const;
  int ReadInteger(const std::string& Section, const std::string& Key, int Default) const;
  bool ReadString(const std::string& Section, const std::string& Key, std::string& Value) const;

  void WriteBool(const std::string& Section, const std::string& Key, bool Value);
  void WriteInteger(const std::string& Section, const std::string& Key, int Value);
  void WriteString(const std::string& Section, const std::string& Key, const std::string& Value);

  std::string Text() const;

  // Line numbers (1-based) of lines that are neither a section, a key, a comment nor blank.
  std::vector<int> MalformedLines;

 private:
  int FindSection(const std::string& Section) const;
  int FindKey(int SectionLine, const std::string& Key) const;
  int SectionEnd(int SectionLine) const;
  std::vector<std::string> Lines;
};
