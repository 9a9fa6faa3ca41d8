#include "game/OrmelGuiFormProfiles.h"

#include "engine/EngineInput.h"
#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "game/OrmelPlayers.h"

namespace {

bool IsBlankOrControl(char C) { return static_cast<unsigned char>(C) < 33; }

// The profile buttons are named by their index, "0" to "5".
int32_t ProfileIndex(const std::string& Name) {
  return Name.size() == 1 && Name[0] >= '0' && Name[0] < '0' + kMaxProfiles ? Name[0] - '0' : -1;
}

}  // namespace

std::string TrimProfileName(const std::string& Text) {
  size_t First = 0, Last = Text.size();
  while (First < Last && IsBlankOrControl(Text[First])) ++First;
  while (Last > First && IsBlankOrControl(Text[Last - 1])) --Last;
  return Text.substr(First, Last - First);
}

TGuiFormProfiles::TGuiFormProfiles() : TGuiForm("Profiles") {
  auto Handler = [this](TGuiControl* Sender, int32_t Kind) { OnClick(Sender, Kind); };
  AddControl(new TGuiControlPicture("", "FormPanel", 0, false, false, -10, -10, 1300, 820, -1000));
  AddControl(new TGuiControlLabel("", sidLabelProfiles, 0xFFFFFF, 4, 1.25f, 490, 20, 300, 40, 0));
  AddControl(new TGuiControlLabel("", sidHelpProfiles, 0xFFFFFF, 4, 0.78125f, 330, 70, 620, 100, 0));
  AddControl(
      new TGuiControlLabel("", sidLabelChooseProfile, 0xFFFFFF, 4, 0.9375f, 490, 210, 300, 30, 0));
  for (int32_t i = 0; i < kMaxProfiles; ++i)
    AddControl(new TGuiControlButtonBumpSel(std::to_string(i), 0, "Players", 0, Handler, 490,
                                            250 + 70 * i, 0));
  AddControl(new TGuiControlButtonBump("New", 1, sidButtonNew, Handler, 320, 730, 0));
  AddControl(new TGuiControlButtonBump("Delete", 1, sidButtonDelete, Handler, 540, 730, 0));
  EscapeControl = ConfirmControl =
      AddControl(new TGuiControlButtonBump("OK", 1, sidButtonOK, Handler, 760, 730, 0));
  AddControl(new TGuiControlRecommendedArrow(1000));
}

void TGuiFormProfiles::Show() {
  TGuiForm::Show();
  ShowNameTaken = false;
  AskNameAgain = false;
  RefreshProfiles();
  Recommend(Players && Players->Count() < 2 ? "New" : "", 0);
}

void TGuiFormProfiles::Activate() {
  TGuiForm::Activate();
  if (ShowNameTaken) {
    ShowNameTaken = false;
    ShowMessage(sidMsgProfileAlreadyExists, [this](TGuiControl*) { AskNameAgain = true; });
  } else if (AskNameAgain) {
    AskNameAgain = false;
    AskName();
  }
}

void TGuiFormProfiles::RefreshProfiles() {
  const int32_t Count = Players ? Players->Count() : 0;
  for (int32_t i = 0; i < kMaxProfiles; ++i) {
    TGuiControlButton* Button = FindButton(std::to_string(i));
    Button->SetVisible(i < Count);
    if (i >= Count) continue;
    const TPlayer* Player = Players->Items(i);
    Button->SetCaption(Player->Name);
    Button->SetDown(Player == Players->Current);
  }
}

void TGuiFormProfiles::OnClick(TGuiControl* Sender, int32_t Kind) {
  if (!Gui || !Players) return;
  const std::string& Name = Sender->Name;
  const int32_t Index = ProfileIndex(Name);
  if (Kind == 1 && Index >= 0) {
    Players->SelectIndex(Index);
    Recommend("OK", 0);
  }
  if (Kind != 2) return;
  if (Name == "New") {
    if (Players->Count() < kMaxProfiles)
      AskName();
    else
      ShowMessage(sidMsgTooManyProfiles, nullptr);
  } else if (Name == "Delete") {
    if (Players->Count() != 1) {
      DialogText = Strings[sidQueryDeleteProfile];
      DialogCallback = [this](TGuiControl*) { DeleteConfirmed(); };
      Gui->ShowDialog("Query");
    } else {
      ShowMessage(sidMsgCantDeleteProfile, nullptr);
    }
  } else if (Name == "OK") {
    Gui->ShowForm("Menu", "Image");
  }
}

void TGuiFormProfiles::AskName() {
  DialogText = Strings[sidInputName];
  DialogCallback = [this](TGuiControl*) { NewProfileEntered(); };
  Gui->ShowDialog("Input");
}

void TGuiFormProfiles::ShowMessage(int32_t TextId, TGuiDialogCallback Callback) {
  DialogText = Strings[TextId];
  DialogCallback = std::move(Callback);
  Gui->ShowDialog("Message");
}

// An empty name backs out: the name dialog has no cancel button.
void TGuiFormProfiles::NewProfileEntered() {
  const std::string Name = TrimProfileName(Input ? Input->Text : std::string());
  if (Name.empty() || !Players) return;
  if (Players->Exists(Name)) {
    ShowNameTaken = true;
    return;
  }
  Players->AddOrSelect(Name);
  RefreshProfiles();
  Recommend("OK", 0);
}

void TGuiFormProfiles::DeleteConfirmed() {
  if (!Players) return;
  Players->DeleteCurrent();
  RefreshProfiles();
  Recommend("", 0);
}
