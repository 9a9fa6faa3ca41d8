#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TParse {
  bool Ok;
  TCommandLine Result;
  std::string Error;
};

TParse Parse(std::vector<const char*> Arguments) {
  Arguments.insert(Arguments.begin(), "plotstead");
  TParse Parse;
  Parse.Ok = ParseCommandLine(static_cast<int>(Arguments.size()), Arguments.data(), Parse.Result,
                              Parse.Error);
  return Parse;
}

TEST(CommandLine, AcceptsTheOptions) {
  TParse P = Parse({"--headless", "--user-dir", "/tmp/u", "--frames", "10", "--script", "s.txt"});
  ASSERT_TRUE(P.Ok) << P.Error;
  EXPECT_TRUE(P.Result.Headless);
  EXPECT_EQ(P.Result.UserDir, "/tmp/u");
  EXPECT_EQ(P.Result.Frames, 10);
  EXPECT_EQ(P.Result.ScriptFile, "s.txt");

  P = Parse({});
  ASSERT_TRUE(P.Ok);
  EXPECT_FALSE(P.Result.Headless);
  EXPECT_EQ(P.Result.Frames, -1);
  EXPECT_TRUE(Parse({"--help"}).Result.Help);
  EXPECT_TRUE(Parse({"--check-data"}).Result.CheckData);
  EXPECT_TRUE(Parse({"--headless", "--check-data"}).Ok) << "a check ends by itself";
  EXPECT_TRUE(Parse({"--headless", "--frames", "0"}).Ok);
  EXPECT_TRUE(Parse({"--frames", "5"}).Ok) << "the window may be limited too";
}

TEST(CommandLine, RejectsWhatMakesNoSense) {
  const std::pair<std::vector<const char*>, const char*> kCases[] = {
      {{"--frames"}, "--frames needs a value"},
      {{"--frames", "-3"}, "whole number"},
      {{"--frames", "ten"}, "whole number"},
      {{"--frames", "99999999999"}, "whole number"},
      {{"--user-dir", ""}, "needs a folder"},
      {{"--script"}, "--script needs a value"},
      {{"--fullscreen"}, "unknown option \"--fullscreen\""},
      {{"--headless"}, "never end"},
      {{"--headless", "--user-dir", "/tmp/u"}, "never end"},
  };
  for (const auto& [Arguments, Error] : kCases) {
    TParse P = Parse(Arguments);
    EXPECT_FALSE(P.Ok) << Arguments[0];
    EXPECT_NE(P.Error.find(Error), std::string::npos) << P.Error;
  }
}

}  // namespace
