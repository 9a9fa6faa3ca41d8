// Tutorial stages: the scripted lists of the first campaign scenarios and how they advance.
#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "game/OrmelMission.h"
#include "game/OrmelPlayers.h"

namespace {

struct TStageRow {
  uint8_t Kind;
  int32_t X, Y;
  int TextId;
  const char* Target;
  int32_t FocusKind;
  uint8_t ArrowShown;
  int32_t ArrowDirection;
  float ArrowX, ArrowY;
  uint8_t OpensLicenses;
};

// Kind, message X and Y (or the pane of a damage stage), text, target control, focus kind,
// arrow shown, arrow direction, arrow X (the timer in steps of a damage timer stage), arrow Y,
// opens the licenses dialog.
// clang-format off
const TStageRow Scenario1Stages[] = {
    {skShow, 0, 0, sidStageTutorial1_1, "", 0, 1, 3, 130, -340, 0},  // 1
    {skShow, -100, -150, sidStageTutorial1_2, "Pane13", 0, 0, 0, 0, 0, 0},  // 2
    {skShow, 0, -50, sidStageTutorial1_3, "Action1", 0, 0, 0, 0, 0, 0},  // 3
    {skShow, -30, -100, sidStageTutorial1_4, "", 0, 0, 0, 0, 0, 0},  // 4
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 5
    {skShow, 50, -50, sidStageTutorial1_5, "", 0, 1, 1, -440, 345, 0},  // 6
    {skShow, -100, -150, sidStageTutorial1_6, "Pane23", 0, 0, 0, 0, 0, 0},  // 7
    {skShow, -50, -120, sidStageTutorial1_7, "Action1", 0, 0, 0, 0, 0, 0},  // 8
    {skShow, -70, -150, sidStageTutorial1_8, "", 0, 1, 1, 420, 345, 0},  // 9
    {skDamageNow, 1, 3, 0, "", 0, 0, 0, 0, 0, 0},  // 10
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 11
    {skShow, -200, -150, sidStageTutorial1_9, "Pane13", 0, 0, 0, 0, 0, 0},  // 12
    {skShow, 0, -50, sidStageTutorial1_10, "Action2", 0, 0, 0, 0, 0, 0},  // 13
    {skShow, 50, -95, sidStageTutorial1_11, "", 0, 1, 1, -20, 345, 0},  // 14
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 15
    {skShow, 100, -100, sidStageTutorial1_12, "Action13", 0, 0, 0, 0, 0, 0},  // 16
    {skShow, -50, -145, sidStageTutorial1_13, "Pane12", 0, 0, 0, 0, 0, 0},  // 17
    {skShow, -100, -140, sidStageTutorial1_14, "Action1", 0, 0, 0, 0, 0, 0},  // 18
};
// clang-format on

// clang-format off
const TStageRow Scenario2Stages[] = {
    {skShow, 0, 0, sidStageTutorial2_1, "", 0, 1, 3, 130, -340, 0},  // 1
    {skShow, -150, -50, sidStageTutorial2_2, "Pane33", 0, 0, 0, 0, 0, 0},  // 2
    {skShow, 0, 0, 0, "Action1", 0, 0, 0, 0, 0, 0},  // 3
    {skShow, -250, -80, sidStageTutorial2_3, "", 0, 0, 0, 0, 0, 0},  // 4
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 5
    {skShow, 200, 150, sidStageTutorial2_4, "Action15", 1, 0, 0, 0, 0, 0},  // 6
    {skShow, 0, 0, 0, "License2", 0, 0, 0, 0, 0, 1},  // 7
    {skWait, 0, 0, 0, "Close", 0, 0, 0, 0, 0, 0},  // 8
    {skShow, -250, -70, sidStageTutorial2_5, "", 0, 0, 0, 0, 0, 0},  // 9
    {skShow, 200, 150, sidStageTutorial2_6, "Action14", 1, 0, 0, 0, 0, 0},  // 10
    {skShow, 150, 160, sidStageTutorial2_7, "Action13", 0, 0, 0, 0, 0, 0},  // 11
    {skShow, -50, -150, sidStageTutorial2_8, "Pane23", 0, 0, 0, 0, 0, 0},  // 12
    {skShow, 0, 0, 0, "Action2", 0, 0, 0, 0, 0, 0},  // 13
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 14
    {skShow, -150, -150, sidStageTutorial2_9, "Pane33", 0, 0, 0, 0, 0, 0},  // 15
    {skShow, -120, -147, sidStageTutorial2_10, "Action4", 0, 0, 0, 0, 0, 0},  // 16
    {skShow, -170, -40, sidStageTutorial2_11, "", 0, 0, 0, 0, 0, 0},  // 17
    {skShow, -190, -120, sidStageTutorial2_12, "", 0, 0, 0, 0, 0, 0},  // 18
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 19
    {skShow, 0, -180, sidStageTutorial2_13, "Pane23", 0, 0, 0, 0, 0, 0},  // 20
    {skShow, 0, 0, 0, "Action4", 0, 0, 0, 0, 0, 0},  // 21
    {skShow, -200, -160, sidStageTutorial2_14, "", 0, 0, 0, 0, 0, 0},  // 22
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 23
    {skDamageOn, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 24
    {skDamageTimer, 3, 3, 0, "", 0, 0, 0, 50, 0, 0},  // 25
};
// clang-format on

// clang-format off
const TStageRow Scenario3Stages[] = {
    {skShow, 0, 0, sidStageTutorial3_1, "", 0, 1, 3, 130, -340, 0},  // 1
    {skShow, 150, 120, sidStageTutorial3_2, "", 0, 0, 0, 0, 0, 0},  // 2
    {skShow, -50, -130, sidStageTutorial3_3, "Pane23", 2, 0, 0, 0, 0, 0},  // 3
    {skShow, -100, -150, sidStageTutorial3_4, "", 0, 1, 3, 590, -165, 0},  // 4
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 5
    {skShow, 200, 170, sidStageTutorial3_5, "Action15", 1, 0, 0, 0, 0, 0},  // 6
    {skShow, 0, 0, 0, "License7", 0, 0, 0, 0, 0, 1},  // 7
    {skWait, 0, 0, 0, "Close", 0, 0, 0, 0, 0, 0},  // 8
    {skShow, 180, 130, sidStageTutorial3_6, "Action14", 1, 0, 0, 0, 0, 0},  // 9
    {skShow, 0, 0, 0, "Action14", 1, 0, 0, 0, 0, 0},  // 10
    {skShow, 220, 150, sidStageTutorial3_7, "Action13", 0, 0, 0, 0, 0, 0},  // 11
    {skShow, 0, 0, 0, "Action13", 0, 0, 0, 0, 0, 0},  // 12
    {skShow, 0, 0, sidStageTutorial3_8, "Pane41", 3, 0, 0, 0, 0, 0},  // 13
    {skShow, -50, 20, sidStageTutorial3_9, "Action7", 0, 0, 0, 0, 0, 0},  // 14
    {skShow, -250, -100, sidStageTutorial3_10, "Pane23", 3, 0, 0, 0, 0, 0},  // 15
    {skShow, -240, -120, sidStageTutorial3_11, "", 0, 1, 3, 590, -165, 0},  // 16
    {skShow, -220, -140, sidStageTutorial3_12, "", 0, 0, 0, 0, 0, 0},  // 17
    {skShow, -270, -100, sidStageTutorial3_13, "", 0, 1, 3, 440, -225, 0},  // 18
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 19
    {skShow, 140, 180, sidStageTutorial3_14, "Pane33", 0, 0, 0, 0, 0, 0},  // 20
    {skShow, 0, 0, 0, "Action1", 0, 0, 0, 0, 0, 0},  // 21
    {skShow, -200, -120, sidStageTutorial3_15, "Pane13", 0, 0, 0, 0, 0, 0},  // 22
    {skShow, 0, 0, 0, "Action1", 0, 0, 0, 0, 0, 0},  // 23
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 24
    {skShow, -260, -120, sidStageTutorial3_16, "", 0, 0, 0, 0, 0, 0},  // 25
    {skShow, 200, 130, sidStageTutorial3_17, "", 0, 1, 2, -490, -255, 0},  // 26
    {skShow, 0, 0, sidStageTutorial3_18, "", 0, 0, 0, 0, 0, 0},  // 27
    {skDamageOn, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 28
    {skDamageTimer, 2, 3, 0, "", 0, 0, 0, 20, 0, 0},  // 29
    {skDamageTimer, 4, 1, 0, "", 0, 0, 0, 40, 0, 0},  // 30
};
// clang-format on

// clang-format off
const TStageRow Scenario4Stages[] = {
    {skShow, 0, 0, sidStageTutorial4_1, "", 0, 1, 3, 130, -330, 0},  // 1
    {skShow, 130, 100, sidStageTutorial4_2, "", 0, 1, 2, -510, -230, 0},  // 2
    {skShow, 100, -50, sidStageTutorial4_3, "Pane02", 0, 0, 0, 0, 0, 0},  // 3
    {skShow, 0, 0, 0, "Action2", 0, 0, 0, 0, 0, 0},  // 4
    {skShow, 180, -50, sidStageTutorial4_4, "", 0, 0, 0, 0, 0, 0},  // 5
    {skShow, -270, -100, sidStageTutorial4_5, "Pane32", 0, 0, 0, 0, 0, 0},  // 6
    {skShow, 0, 0, 0, "Action7", 0, 0, 0, 0, 0, 0},  // 7
    {skShow, -260, -80, sidStageTutorial4_6, "Pane03", 0, 0, 0, 0, 0, 0},  // 8
    {skShow, 250, 60, sidStageTutorial4_7, "Action11", 0, 0, 0, 0, 0, 0},  // 9
    {skShow, -50, -50, sidStageTutorial4_8, "", 0, 0, 0, 0, 0, 0},  // 10
    {skShow, 200, 0, sidStageTutorial4_9, "Action2", 0, 0, 0, 0, 0, 0},  // 11
    {skShow, -250, -100, sidStageTutorial4_10, "", 0, 0, 0, 0, 0, 0},  // 12
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 13
    {skShow, -50, -50, sidStageTutorial4_11, "Pane04", 1, 0, 0, 0, 0, 0},  // 14
    {skShow, 0, 0, 0, "Action2", 0, 0, 0, 0, 0, 0},  // 15
    {skShow, 0, -50, sidStageTutorial4_12, "Pane03", 0, 0, 0, 0, 0, 0},  // 16
    {skShow, 0, 0, 0, "Action2", 0, 0, 0, 0, 0, 0},  // 17
    {skShow, 0, 0, 0, "Pane04", 0, 0, 0, 0, 0, 0},  // 18
    {skShow, 0, 0, 0, "Action2", 0, 0, 0, 0, 0, 0},  // 19
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 20
    {skShow, 0, 0, sidStageTutorial4_13, "Action15", 1, 0, 0, 0, 0, 0},  // 21
    {skShow, 0, 0, 0, "License15", 0, 0, 0, 0, 0, 1},  // 22
    {skWait, 0, 0, 0, "Close", 0, 0, 0, 0, 0, 0},  // 23
    {skShow, 0, 0, sidStageTutorial4_14, "", 0, 0, 0, 0, 0, 0},  // 24
    {skShow, 50, -50, sidStageTutorial4_15, "Pane02", 0, 0, 0, 0, 0, 0},  // 25
    {skShow, 0, 0, 0, "Action6", 0, 0, 0, 0, 0, 0},  // 26
    {skShow, 0, 0, 0, "Pane03", 0, 0, 0, 0, 0, 0},  // 27
    {skShow, 0, 0, 0, "Action6", 0, 0, 0, 0, 0, 0},  // 28
    {skShow, 0, 0, 0, "Pane04", 0, 0, 0, 0, 0, 0},  // 29
    {skShow, 0, 0, 0, "Action6", 0, 0, 0, 0, 0, 0},  // 30
    {skShow, -270, -100, sidStageTutorial4_16, "Pane32", 0, 0, 0, 0, 0, 0},  // 31
    {skShow, 0, 0, 0, "Action13", 0, 0, 0, 0, 0, 0},  // 32
    {skShow, 0, 0, 0, "Action4", 0, 0, 0, 0, 0, 0},  // 33
    {skDeselect, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 34
    {skShow, 250, 100, sidStageTutorial4_17, "", 0, 0, 0, 0, 0, 0},  // 35
    {skShow, 100, -50, sidStageTutorial4_18, "", 0, 0, 0, 0, 0, 0},  // 36
    {skShow, 0, 50, sidStageTutorial4_19, "", 0, 0, 0, 0, 0, 0},  // 37
    {skDamageOn, 0, 0, 0, "", 0, 0, 0, 0, 0, 0},  // 38
    {skDamageTimer, 0, 2, 0, "", 0, 0, 0, 90, 0, 0},  // 39
    {skDamageTimer, 3, 2, 0, "", 0, 0, 0, 180, 0, 0},  // 40
};
// clang-format on

// clang-format off
const TStageRow Scenario5Stages[] = {
    {skShow, 0, 0, sidStageTutorial5_1, "", 0, 1, 2, -320, -330, 0},  // 1
    {skShow, 100, -50, sidStageTutorial5_2, "", 0, 0, 0, 0, 0, 0},  // 2
};
// clang-format on

// clang-format off
const TStageRow Scenario6Stages[] = {
    {skShow, 0, 0, sidStageTutorial6_1, "", 0, 1, 2, -320, -325, 0},  // 1
    {skShow, 100, 50, sidStageTutorial6_2, "", 0, 0, 0, 0, 0, 0},  // 2
};
// clang-format on

// clang-format off
const TStageRow Scenario12Stages[] = {
    {skShow, 100, 50, sidStageTutorial12_1, "", 0, 0, 0, 0, 0, 0},  // 1
    {skShow, 0, 0, sidStageTutorial12_2, "", 0, 0, 0, 0, 0, 0},  // 2
    {skShow, -50, -50, sidStageTutorial12_3, "", 0, 0, 0, 0, 0, 0},  // 3
};
// clang-format on

template <size_t Count>
void AddRows(TMission& Mission, const TStageRow (&Rows)[Count]) {
  for (const TStageRow& R : Rows)
    Mission.AddStage(R.Kind, R.X, R.Y, static_cast<int16_t>(R.TextId), R.Target, R.FocusKind,
                     R.ArrowShown, R.ArrowDirection, R.ArrowX, R.ArrowY, R.OpensLicenses);
}

}  // namespace

void TMission::SetupStages(int32_t ForScenario) {
  MapPicture = MapPictureName(ForScenario);
  const bool Campaign = ForScenario >= 1 && ForScenario <= CampaignScenarioCount;
  StartTextId = Campaign ? static_cast<int16_t>(sidScenarioStart1 + 2 * (ForScenario - 1)) : 0;
  EndTextId = Campaign ? static_cast<int16_t>(sidScenarioEnd1 + 2 * (ForScenario - 1)) : 0;
  Face = Campaign ? ScenarioInfos[ForScenario].Face : 0;
  Stages.clear();
  AddStage(skShow, 0, 0, 0, "", 0, 0, 0, 0, 0, 0);
  switch (ForScenario) {
    case 1:
      AddRows(*this, Scenario1Stages);
      break;
    case 2:
      AddRows(*this, Scenario2Stages);
      break;
    case 3:
      AddRows(*this, Scenario3Stages);
      break;
    case 4:
      AddRows(*this, Scenario4Stages);
      break;
    case 5:
      if (!ScenarioProgress().TrophyWon) AddRows(*this, Scenario5Stages);
      break;
    case 6:
      // A reloaded mission in the middle of its stages keeps them.
      if (Register.Deadline || StageIndex > 0) AddRows(*this, Scenario6Stages);
      break;
    case 12:
      AddRows(*this, Scenario12Stages);
      break;
    default:
      break;
  }
  Paused = 0;
  HoveredAction = -1;
  HoveredLicense = -1;
}

void TMission::AddStage(uint8_t Kind, int32_t X, int32_t Y, int16_t TextId,
                        const std::string& Target, int32_t FocusKind, uint8_t ArrowShown,
                        int32_t ArrowDirection, float ArrowX, float ArrowY, uint8_t OpensLicenses) {
  Stages.push_back(TStage{Kind, X, Y, TextId, Target, FocusKind, ArrowShown, ArrowDirection, ArrowX,
                          ArrowY, OpensLicenses});
}

TStage TMission::CurrentStage() const {
  if (StageIndex < 0 || StageIndex >= static_cast<int32_t>(Stages.size())) return TStage{};
  return Stages[StageIndex];
}

bool TMission::StageOpensLicenses() const {
  return CurrentStage().OpensLicenses != 0;
}

void TMission::NextStage() {
  const int32_t Last = static_cast<int32_t>(Stages.size()) - 1;
  // Automatic stages act at once and move on; the loop ends at a stage that waits for the
  // player, at the latest at the empty stage 0 after the last one.
  for (;;) {
    StageIndex = (StageIndex >= 0 && StageIndex < Last) ? StageIndex + 1 : 0;
    if (Stages.empty()) return;
    const TStage& S = Stages[StageIndex];
    TPane* P = Pane(S.X, S.Y);
    switch (S.Kind) {
      case skShow:
        ResumeStage = StageIndex;
        return;
      case skWait:
        // After a reload the script goes on behind this stage, for example behind the licenses
        // dialog that a saved game cannot restore.
        ResumeStage = StageIndex + 1 <= Last ? StageIndex + 1 : 0;
        return;
      case skDeselect:
        SelectedPane = nullptr;
        break;
      case skDamageOn:
        DamageOn = 1;
        break;
      case skDamageTimer:
        if (P && P->Vulnerable) P->DamageTimer = S.ArrowX;
        break;
      case skDamageNow:
        if (P && P->Vulnerable) {
          P->DamageTimer = 0;
          P->Damaged = 1;
          P->DamagePhase = 0;
          if (Audio) Audio->PlaySound(nullptr, "Damage", 1.0f);
        }
        break;
      default:
        return;
    }
  }
}

void TMission::SkipStages() {
  while (StageIndex != 0) NextStage();
}
