// Runs the real program headless on a script in a fresh user folder, and reads back what it
// left there: the profile file through the game's own loader, the settings, the log.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/OrmelPlayers.h"

class TFrontEndRun {
 public:
  TFrontEndRun() {
    Folder = std::filesystem::temp_directory_path().string() + "/plotstead-frontend-" +
             std::to_string(getpid()) + "-" + std::to_string(++Runs) + "/";
    std::filesystem::create_directories(Folder + "user/Saves");
  }
  ~TFrontEndRun() {
    std::error_code Ignored;
    std::filesystem::remove_all(Folder, Ignored);
  }

  std::string UserDir() const { return Folder + "user/"; }

  void Write(const std::string& Path, const std::string& Content) const {
    std::filesystem::create_directories(std::filesystem::path(Path).parent_path());
    std::ofstream(Path, std::ios::binary) << Content;
  }
  std::string Read(const std::string& Path) const {
    std::ifstream File(Path, std::ios::binary);
    std::stringstream Content;
    Content << File.rdbuf();
    return Content.str();
  }

  // Starts windowed instead of in full screen.
  void StartWindowed() const { Write(UserDir() + "Game.ini", "[RENDERER]\nFullScreen=0\n"); }

  // Runs Game (the built program unless given) on the script, with Environment ("NAME=value
  // ...") before it; returns its exit status and keeps what it printed in Output.
  int Play(const std::string& Script, const std::string& Game = PLOTSTEAD_BIN_DIR "/plotstead",
           const std::string& Environment = "") {
    Write(Folder + "script.txt", Script);
    const std::string Command = Environment + " '" + Game + "' --headless --user-dir '" + UserDir() +
                                "' --script '" + Folder + "script.txt' >'" + Folder +
                                "output.txt' 2>&1";
    const int Status = std::system(Command.c_str());
    Output = Read(Folder + "output.txt");
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  }

  // The profiles in "Players.sav"; CurrentIndex is -1 when there is no readable file.
  std::vector<std::unique_ptr<TPlayer>> Profiles(int32_t& CurrentIndex) const {
    std::vector<std::unique_ptr<TPlayer>> List;
    CurrentIndex = -1;
    const std::string Bytes = Read(UserDir() + "Saves/Players.sav");
    if (!Bytes.empty()) DecodePlayers(std::vector<uint8_t>(Bytes.begin(), Bytes.end()), List, CurrentIndex);
    return List;
  }
  std::vector<std::string> ProfileNames() const {
    int32_t Current = 0;
    std::vector<std::string> Names;
    for (const auto& Player : Profiles(Current)) Names.push_back(Player->Name);
    return Names;
  }

  // Writes a profile file with these names, the first one current.
  void WriteProfiles(const std::vector<std::string>& Names) const {
    std::vector<std::unique_ptr<TPlayer>> List;
    for (const std::string& Name : Names) List.push_back(std::make_unique<TPlayer>(Name));
    const std::vector<uint8_t> Bytes = EncodePlayers(List, 0);
    Write(UserDir() + "Saves/Players.sav", std::string(Bytes.begin(), Bytes.end()));
  }

  std::string Folder;
  std::string Output;

 private:
  static inline int Runs = 0;
};

// Script steps that wait for the screens to settle: the first screen and the splash's change
// to the menu fade for 0.75 s each way, other screen changes for 0.3 s, dialogs for 0.3 s.
namespace FrontEndScript {
// From the start past the splash to a menu that takes input.
inline const char* const ToMenu = "wait 60\nkey Space\nwait 110\n";
inline const char* const ScreenChange = "wait 50\n";
inline const char* const DialogFade = "wait 30\n";
}  // namespace FrontEndScript
