#include "app/CheckData.h"

#include <iostream>
#include <memory>
#include <set>
#include <streambuf>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineParticles.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineResourceNames.h"
#include "game/OrmelMission.h"
#include "platform/Platform.h"
#include "platform/RecordingGraphics.h"
#include "platform/VirtualSound.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

class TNullBuffer : public std::streambuf {
 protected:
  int overflow(int C) override { return C; }
};

// The names the check loads: the fixed lists plus those the game's tables derive.
TResourceNames AllNames() {
  TResourceNames Names = ResourceNames();
  std::set<std::string> Seen(Names.Textures.begin(), Names.Textures.end());
  auto AddTexture = [&](const std::string& Name) {
    if (!Name.empty() && Seen.insert(Name).second) Names.Textures.push_back(Name);
  };
  for (const TPaneInfo& Info : PaneInfos) AddTexture(Info.Texture);
  for (int Scenario = 1; Scenario <= CampaignScenarioCount; ++Scenario)
    AddTexture(MapPictureName(Scenario));
  if (Languages)
    for (const TLanguage& Language : Languages->List)
      AddTexture("LanguageName" + std::to_string(Language.Index));
  std::set<std::string> Sounds(Names.Samples.begin(), Names.Samples.end());
  for (const TActionInfo& Info : ActionInfos)
    if (Info.FinishSound && *Info.FinishSound && Sounds.insert(Info.FinishSound).second)
      Names.Samples.push_back(Info.FinishSound);
  return Names;
}

std::string Counted(size_t Count, const std::string& Noun) {
  return std::to_string(Count) + " " + Noun + (Count == 1 ? "" : "s");
}

class TDataCheck {
 public:
  int Run();

 private:
  void Start();
  void Stop();
  void Load(const TResourceNames& Names);
  void CheckFont(const std::string& Name);
  // Lines the loaders logged since the last call, printed as failures.
  void Collect();

  size_t Seen = 0;
  int Failures = 0;
};

void TDataCheck::Collect() {
  for (; Seen < ErrorLog->Lines.size(); ++Seen) {
    std::cout << ErrorLog->Lines[Seen] << '\n';
    ++Failures;
  }
}

void TDataCheck::Start() {
  try {
    Languages = new TLanguages();
  } catch (const std::exception& Error) {
    LogError(Error.what());
  }
  GraphicsSystemFactory = [] {
    auto System = std::make_unique<TRecordingSystem>();
    System->Behavior.Logging = false;
    return std::unique_ptr<TGraphicsSystem>(std::move(System));
  };
  Renderer = new TRenderer();
  SoundDeviceFactory = [] { return std::make_unique<TVirtualSoundDevice>(); };
  Audio = new TAudio();
  Particles = new TParticles();
}

void TDataCheck::Stop() {
  delete Particles;
  Particles = nullptr;
  delete Audio;
  Audio = nullptr;
  delete Renderer;
  Renderer = nullptr;
  delete Languages;
  Languages = nullptr;
  GraphicsSystemFactory = nullptr;
  SoundDeviceFactory = nullptr;
}

void TDataCheck::CheckFont(const std::string& Name) {
  const size_t Before = ErrorLog->Lines.size();
  TTexture* Font = Renderer->GetTexture(Name);
  if (ErrorLog->Lines.size() != Before) return;
  if (Font->Segments.size() != size_t(FontSegmentCount))
    LogError("Font \"" + Name + "\" has " + std::to_string(Font->Segments.size()) +
             " segments instead of " + std::to_string(FontSegmentCount));
  else if (Font->GetSegmentSize(0).Y <= 0)
    LogError("Font \"" + Name + "\" has no line height (segment 0 is empty)");
}

void TDataCheck::Load(const TResourceNames& Names) {
  for (const std::string& Name : Names.Textures) Renderer->GetTexture(Name);
  for (const std::string& Name : Names.Fonts) CheckFont(Name);
  for (const std::string& Name : Names.Paths) Particles->GetPath(Name);
  PreloadSamples();  // the music and effects with the flags the game gives them
  for (const std::string& Name : Names.Samples) Audio->AddSample(Name, false, false, skEffect, 1);
}

int TDataCheck::Run() {
  Seen = ErrorLog->Lines.size();  // settings trouble is not a content failure
  TResourceNames Names;
  try {
    Start();
    Names = AllNames();
    Load(Names);
  } catch (const std::exception& Error) {
    LogError(Error.what());
  }
  Stop();
  Collect();
  std::cout << "Checked " << Counted(Names.Textures.size(), "texture") << ", "
            << Counted(Names.Fonts.size(), "font") << ", " << Counted(Names.Paths.size(), "path")
            << " and " << Counted(Names.Samples.size(), "sample") << ": "
            << (Failures == 0 ? "no failures" : Counted(size_t(Failures), "failure")) << '\n';
  return Failures == 0 ? 0 : 1;
}

}  // namespace

int RunCheckData() {
  std::unique_ptr<TPlatform> OwnPlatform;
  if (!Platform) {
    OwnPlatform = std::make_unique<THeadlessPlatform>(THeadlessOptions{});
    Platform = OwnPlatform.get();
  }
  // The loaders echo every log line on standard error; the check prints them itself.
  TNullBuffer Silence;
  std::streambuf* Errors = std::cerr.rdbuf(&Silence);
  int Result = 1;
  try {
    LoadRegister();
    Result = TDataCheck().Run();
  } catch (const std::exception& Error) {
    std::cout << Error.what() << '\n';
  }
  ErrorLog.reset();
  std::cerr.rdbuf(Errors);
  if (OwnPlatform) Platform = nullptr;
  return Result;
}
