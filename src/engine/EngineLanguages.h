// Language tables: the installed languages (one folder each under the languages folder), and
// the text table Strings of the chosen one, indexed by the sid text ids.
#pragma once

#include <string>
#include <vector>

#include "engine/EngineLanguageIds.h"

// Texts used byte for byte (Windows-1252); character 13 breaks a line inside a text.
extern std::string Strings[sidCount];
extern const char* const StringIdNames[sidCount];
extern char ThousandsSeparator;
extern char CurrencySymbol;

struct TLanguage {
  int Index = 0;
  std::string Name;
  std::string Folder;
};

class TLanguages {
 public:
  // Discovers the languages, chooses one and loads it; fails with "No language found".
  TLanguages();
  ~TLanguages() = default;

  int IndexOf(const std::string& Name) const;
  void SetLanguage(int Index);
  std::string GetFolder(int Index) const;

  std::vector<TLanguage> List;
  int Current = -1;
  TLanguage Language;
};

extern TLanguages* Languages;

// Reads Folder + "Language.txt" into Strings; false when the file cannot be read.
bool LoadLanguageFile(const std::string& Folder);
// Applies the file rules to text already in memory (exposed for tests and tools).
void ParseLanguageText(const std::string& Content);
// The id of a section name, sidNone when it names no id.
TStringId FindStringId(const std::string& Name);

// The credit line shown at the head of the About dialog's credits.
extern std::vector<std::string> CreditTexts;
void BuildCreditTexts();
