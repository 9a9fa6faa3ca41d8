// Loads arbitrary bytes as "Players.sav" (and through it every embedded mission), then plays a
// little of each loaded mission and writes the profiles again: whatever loads must run, build
// its texts and save into a file that loads again.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "app/EngineRegister.h"
#include "game/OrmelMission.h"
#include "game/OrmelPlayers.h"

namespace {

void Exercise(TMission& M) {
  for (int Frame = 0; Frame < 8; ++Frame) M.Update(0.25f);
  TStats Stats;
  TInfoStrings Info;
  M.GetStatsTexts(Stats);
  M.GetTimeText();
  M.GetGoalsText();
  for (int Hovered = -1; Hovered <= 21; ++Hovered) {
    M.HoveredAction = Hovered;
    M.GetInfoTexts(Info);
  }
  M.HoveredLicense = 5;
  M.GetLicenseText();
  M.CountSoundClasses();
  M.NextStage();
  M.SkipStages();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  SeedMissionRandom(Size);
  Register.Deadline = Size % 2 == 0;
  std::vector<std::unique_ptr<TPlayer>> List;
  int32_t Index = 0;
  try {
    DecodePlayers(std::vector<uint8_t>(Data, Data + Size), List, Index);
  } catch (const std::runtime_error&) {
    return 0;  // a damaged file: the game keeps it aside and starts fresh
  }
  for (auto& Player : List)
    for (TMission* M : {Player->CampaignMission.get(), Player->SandboxMission.get()})
      if (M) Exercise(*M);
  std::vector<std::unique_ptr<TPlayer>> Again;
  int32_t AgainIndex = 0;
  try {
    DecodePlayers(EncodePlayers(List, Index), Again, AgainIndex);
  } catch (const std::runtime_error&) {
    std::abort();  // a file the game wrote itself must load
  }
  if (Again.size() != List.size() || AgainIndex != Index) std::abort();
  return 0;
}
