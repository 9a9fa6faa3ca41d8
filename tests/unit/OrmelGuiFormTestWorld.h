// The front-end screens as the program registers them, over the GUI test world: a profile
// list in a temporary saves folder, and the program's folder and branding folder there too.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "EngineGuiTestWorld.h"
#include "app/Program.h"
#include "engine/EngineLanguages.h"
#include "game/OrmelGuiFormSplash.h"
#include "game/OrmelPlayers.h"

class TFrontEndWorld : public TGuiTestWorld {
 public:
  TFrontEndWorld() {
    Folder = std::filesystem::temp_directory_path().string() + "/plotstead-frontend-" +
             std::to_string(getpid()) + "-" + std::to_string(++Runs) + "/";
    std::filesystem::create_directories(Folder + "Branding");
    SavesFolder = ExeFolder = Folder;
    BrandingFolder = Folder + "Branding/";
    Fake.Exe = Folder;
    Register.SfxVolume = 10;
    Register.MusicVolume = 8;
    Players = new TPlayers();
    Quit = false;
    CreateForms();
    Gui->SetCursor("Default");  // the menu sets it when the game shows it first
  }

  ~TFrontEndWorld() {
    delete Gui;
    Gui = nullptr;
    delete Players;
    Players = nullptr;
    for (std::string& Name : SplashNames) Name.clear();
    SplashName.clear();
    Quit = false;
    std::error_code Ignored;
    std::filesystem::remove_all(Folder, Ignored);
  }

  void WriteFile(const std::string& Name, const std::string& Content) {
    std::ofstream(Folder + Name, std::ios::binary) << Content;
  }

  // Shows a form at once, without a transition, and lets it take the input.
  void Open(const std::string& FormName) {
    Gui->SetForm(FormName);
    Frame();
  }

  // Lets an opening or closing dialog finish its fade.
  void Settle() { Frames(25); }

  // The centre of a control of the form or dialog in the 1280 x 800 layout.
  static void ClickAt(TGuiTestWorld& World, TGuiControl* Control) {
    World.Click(static_cast<int>(Control->CenterX + 640), static_cast<int>(Control->CenterY + 400));
  }
  void ClickControl(TGuiForm* Form, const std::string& Name) {
    ClickAt(*this, Form->FindControl(Name));
  }

  TGuiForm* FormNamed(const std::string& Name) {
    return static_cast<TGuiForm*>(Gui->Forms.Find(Name));
  }
  TGuiForm* DialogNamed(const std::string& Name) {
    return static_cast<TGuiForm*>(Gui->Dialogs.Find(Name));
  }
  std::string OpenDialog() const { return Gui->Dialog ? Gui->Dialog->Name : std::string(); }

  std::string Folder;

 private:
  static inline int Runs = 0;
};
