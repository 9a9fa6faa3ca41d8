#include "engine/EngineLanguages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/EngineRegister.h"

namespace fs = std::filesystem;

namespace {

std::string Text(const char* Lines) { return Lines; }

class LanguageFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("plotstead-lang-" + std::to_string(::getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root);
    LanguagesFolder = Root.string() + "/";
    Register.Language = "English";
  }
  void TearDown() override { fs::remove_all(Root); }
  void AddLanguage(const std::string& Name, const std::string& Content) {
    fs::create_directories(Root / Name);
    std::ofstream(Root / Name / "Language.txt", std::ios::binary) << Content;
  }
  fs::path Root;
};

}  // namespace

TEST(LanguageFile, SectionAndTextRules) {
  struct Case {
    std::string File;
    TStringId Id;
    std::string Expected;
  } Cases[] = {
      {"[sidButtonOK]\nOK // the button\n", sidButtonOK, "OK"},
      {"[sidButtonOK - the OK button]\nFine\n", sidButtonOK, "Fine"},
      {"[sidWelcome]\r\nline 1\r\n\r\nline 3\r\n", sidWelcome, "line 1\r\rline 3"},
      {"[sidWelcome]\n   first\n  second  \n", sidWelcome, "first\r  second"},
      {"[sidWelcome]\n     \n", sidWelcome, ""},
      {"[sidWelcome]\nold\n[sidWelcome]\nnew\n", sidWelcome, "new"},
      {"x]y[sidWelcome]\nkept\n", sidWelcome, ""},  // ']' before '[': no id
      {"[sidWelcome]\r\rsecond\r", sidWelcome, "second"},
  };
  for (const Case& C : Cases) {
    for (auto& S : Strings) S.clear();
    ParseLanguageText(C.File);
    EXPECT_EQ(Strings[C.Id], C.Expected) << C.File;
    EXPECT_EQ(Strings[sidNone], "");
  }
}

TEST(LanguageFile, WrongCaseSectionFallsIntoNothing) {
  for (auto& S : Strings) S.clear();
  ParseLanguageText("[sidButtonOK]\nOK\n[sidbuttonok]\nlost\n");
  EXPECT_EQ(Strings[sidButtonOK], "OK");
  EXPECT_EQ(FindStringId("sidbuttonok"), sidNone);
  EXPECT_EQ(FindStringId("sidCredits"), sidCredits);
  EXPECT_EQ(FindStringId(""), sidNone);
  EXPECT_EQ(StringIdNames[sidCount - 1], std::string("sidCredits"));
}

TEST_F(LanguageFolders, ChoosesEnglishIgnoringCaseOtherwiseTheFirstFolder) {
  AddLanguage("German", "[sidGameTitle]\nSpiel\n");
  AddLanguage("english", "[sidGameTitle]\nPlotstead\n[sidThousandsSeparator]\n,,\n");
  AddLanguage("Empty", "");
  fs::remove(Root / "Empty" / "Language.txt");
  TLanguages L;
  EXPECT_EQ(L.List.size(), 2u);
  EXPECT_EQ(L.Language.Name, "english");
  EXPECT_EQ(Strings[sidGameTitle], "Plotstead");
  EXPECT_EQ(ThousandsSeparator, ' ');  // two characters fall back to a space
  EXPECT_EQ(CurrencySymbol, '$');
  EXPECT_EQ(L.GetFolder(99), LanguagesFolder);

  fs::remove_all(Root / "english");
  AddLanguage("French", "[sidGameTitle]\nJeu\n");
  TLanguages Other;
  EXPECT_EQ(Other.Language.Name, "French");  // no English: the first folder listed
}

TEST_F(LanguageFolders, NoLanguageFails) {
  fs::create_directories(Root / "Nothing");
  try {
    TLanguages L;
    FAIL() << "expected a failure";
  } catch (const std::runtime_error& E) {
    EXPECT_STREQ(E.what(), "No language found");
  }
}
