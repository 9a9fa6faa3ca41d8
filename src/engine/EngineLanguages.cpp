#include "engine/EngineLanguages.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "platform/Platform.h"

std::string Strings[sidCount];
char ThousandsSeparator = ' ';
char CurrencySymbol = '$';
TLanguages* Languages = nullptr;
std::vector<std::string> CreditTexts;

namespace {

bool IsDirectory(const std::string& Path) {
  struct stat Info;
  return stat(Path.c_str(), &Info) == 0 && S_ISDIR(Info.st_mode);
}

bool IsFile(const std::string& Path) {
  struct stat Info;
  return stat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
}

// Folder names in a stable order, so the choice of a fallback language never depends on the
// order the file system happens to list them in.
std::vector<std::string> SubfolderNames(const std::string& Folder) {
  std::vector<std::string> Names;
  if (DIR* Dir = opendir(Folder.c_str())) {
    while (dirent* Entry = readdir(Dir)) {
      std::string Name = Entry->d_name;
      if (Name != "." && Name != ".." && IsDirectory(Folder + Name)) Names.push_back(Name);
    }
    closedir(Dir);
  }
  std::sort(Names.begin(), Names.end());
  return Names;
}

bool EqualsIgnoringAsciiCase(const std::string& A, const std::string& B) {
  if (A.size() != B.size()) return false;
  for (size_t i = 0; i < A.size(); ++i) {
    auto Lower = [](char C) { return (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C; };
    if (Lower(A[i]) != Lower(B[i])) return false;
  }
  return true;
}

// Splits at CR, LF or CR LF.
std::vector<std::string> SplitLines(const std::string& Content) {
  std::vector<std::string> Lines;
  std::string Line;
  for (size_t i = 0; i < Content.size(); ++i) {
    char C = Content[i];
    if (C == '\r' || C == '\n') {
      Lines.push_back(Line);
      Line.clear();
      if (C == '\r' && i + 1 < Content.size() && Content[i + 1] == '\n') ++i;
    } else {
      Line += C;
    }
  }
  if (!Line.empty()) Lines.push_back(Line);
  return Lines;
}

std::string TrimControl(const std::string& Text) {
  auto IsBlank = [](char C) { return static_cast<unsigned char>(C) < 33; };
  size_t Begin = 0, End = Text.size();
  while (Begin < End && IsBlank(Text[Begin])) ++Begin;
  while (End > Begin && IsBlank(Text[End - 1])) --End;
  return Text.substr(Begin, End - Begin);
}

// The id name of a section line: between the first '[' and the first ']', cut at a '-'.
std::string SectionName(const std::string& Line) {
  size_t Open = Line.find('['), Close = Line.find(']');
  if (Close < Open) return "";
  std::string Name = Line.substr(Open + 1, Close - Open - 1);
  size_t Dash = Name.find('-');
  if (Dash == std::string::npos) return Name;
  Name.resize(Dash);
  while (!Name.empty() && Name.back() == ' ') Name.pop_back();
  return Name;
}

}  // namespace

TStringId FindStringId(const std::string& Name) {
  if (Name.empty()) return sidNone;
  for (int Id = 1; Id < sidCount; ++Id)
    if (Name == StringIdNames[Id]) return TStringId(Id);
  return sidNone;
}

void ParseLanguageText(const std::string& Content) {
  TStringId Current = sidNone;
  Strings[sidNone].clear();
  for (std::string Line : SplitLines(Content)) {
    size_t Comment = Line.find("//");
    if (Comment != std::string::npos) Line.resize(Comment);
    if (Line.find('[') != std::string::npos && Line.find(']') != std::string::npos) {
      Strings[Current] = TrimControl(Strings[Current]);
      Current = FindStringId(SectionName(Line));
      Strings[Current].clear();
      continue;
    }
    if (!Strings[Current].empty()) Strings[Current] += '\r';
    Strings[Current] += Line;
  }
  Strings[Current] = TrimControl(Strings[Current]);
  Strings[sidNone].clear();
}

bool LoadLanguageFile(const std::string& Folder) {
  std::ifstream File(Folder + "Language.txt", std::ios::binary);
  if (!File) return false;
  std::stringstream Content;
  Content << File.rdbuf();
  if (File.bad()) return false;
  ParseLanguageText(Content.str());
  return true;
}

TLanguages::TLanguages() {
  for (const std::string& Name : SubfolderNames(LanguagesFolder)) {
    std::string Folder = LanguagesFolder + Name + "/";
    if (!IsFile(Folder + "Language.txt")) continue;
    List.push_back({static_cast<int>(List.size()), Name, Folder});
  }
  if (List.empty()) throw std::runtime_error("No language found");
  int Choice = IndexOf(Register.Language);
  if (Choice < 0) Choice = IndexOf("English");
  if (Choice < 0) Choice = 0;
  Current = -1;
  SetLanguage(Choice);
}

int TLanguages::IndexOf(const std::string& Name) const {
  for (const TLanguage& Entry : List)
    if (EqualsIgnoringAsciiCase(Entry.Name, Name)) return Entry.Index;
  return -1;
}

void TLanguages::SetLanguage(int Index) {
  if (Index == Current || Index < 0 || Index >= static_cast<int>(List.size())) return;
  Current = Index;
  Language = List[Index];
  Register.Language = Language.Name;
  if (!LoadLanguageFile(Language.Folder)) throw std::runtime_error("No language found");
  if (Strings[sidThousandsSeparator].size() != 1) Strings[sidThousandsSeparator] = " ";
  ThousandsSeparator = Strings[sidThousandsSeparator][0];
  if (Strings[sidCurrencySymbol].size() != 1) Strings[sidCurrencySymbol] = "$";
  CurrencySymbol = Strings[sidCurrencySymbol][0];
  if (Platform) Platform->SetWindowTitle(Strings[sidGameTitle]);
}

std::string TLanguages::GetFolder(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(List.size())) return LanguagesFolder;
  return List[Index].Folder;
}

void BuildCreditTexts() {
  CreditTexts = {"Plotstead was made by the Hollowmere team"};
}
