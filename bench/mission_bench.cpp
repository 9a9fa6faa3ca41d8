// The mission tick on a busy late-campaign town, and saving plus loading "Players.sav" with six
// profiles of two missions each.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/EngineRegister.h"
#include "game/OrmelMission.h"
#include "game/OrmelMissionStream.h"
#include "game/OrmelPlayers.h"
#include "platform/SafeFile.h"

namespace {

// Scenario 24 with extra resources and an action started on every pane that offers one.
void BuildBusyTown(TMission& M) {
  M.Setup(24);
  for (int I = 0; I < 20; ++I) M.ApplyCheat(1);
  M.OwnedLicenses = ~0u;
  for (int X = 0; X < 5; ++X)
    for (int Y = 0; Y < 5; ++Y)
      for (int Slot = 0; Slot < 13; ++Slot) {
        TPane& P = *M.Pane(X, Y);
        if (!P.IsActionHidden(Slot) && P.CanStartAction(Slot)) {
          P.StartAction(Slot);
          break;
        }
      }
  M.OrderMaterial();
  M.TrainWorker();
}

void BM_MissionUpdate(benchmark::State& State) {
  SeedMissionRandom(1);
  Register.Deadline = true;
  TMission Town(nullptr);
  BuildBusyTown(Town);
  TStreamWriter Snapshot;
  Town.SaveToStream(Snapshot);
  int Frame = 0;
  for (auto _ : State) {
    Town.Update(1.0f / 60);
    // Every 10 s of game time the town goes back to its busy start.
    if (++Frame == 600) {
      State.PauseTiming();
      TStreamReader In(Snapshot.Bytes);
      Town.LoadFromStream(In);
      Frame = 0;
      State.ResumeTiming();
    }
  }
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_MissionUpdate);

void BM_SaveAndLoadSixProfiles(benchmark::State& State) {
  namespace fs = std::filesystem;
  const fs::path Folder =
      fs::temp_directory_path() / ("plotstead-bench-" + std::to_string(::getpid()));
  fs::create_directories(Folder);
  SavesFolder = Folder.string() + "/";
  SeedMissionRandom(2);
  Register.Deadline = true;
  {
    TPlayers Profiles;
    for (const char* Name : {"Anna", "Bo", "Cy", "Dee", "Eve"}) Profiles.AddOrSelect(Name);
    for (auto& Player : Profiles.List) {
      Player->SelectScenario(24);
      Player->StartCampaignMission();
      BuildBusyTown(*Player->CampaignMission);
      Player->NewSandboxMission();
      Player->SetupSandboxMission(40);
      Player->CommitSandboxMission();
    }
    for (auto _ : State) {
      Profiles.Save();
      std::string Content;
      ReadWholeFile(PlayersFileName(), Content);
      std::vector<std::unique_ptr<TPlayer>> Loaded;
      int32_t Index = 0;
      DecodePlayers(std::vector<uint8_t>(Content.begin(), Content.end()), Loaded, Index);
      benchmark::DoNotOptimize(Loaded.data());
      State.counters["bytes"] = static_cast<double>(Content.size());
    }
  }
  fs::remove_all(Folder);
}
BENCHMARK(BM_SaveAndLoadSixProfiles)->Unit(benchmark::kMillisecond);

}  // namespace
