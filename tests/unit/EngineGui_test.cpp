#include "engine/EngineGui.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "EngineGuiTestWorld.h"
#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiCursors.h"
#include "engine/OrmelGuiTransitionImage.h"

namespace {

struct TCall {
  std::string Name;
  int32_t Kind;
  bool operator==(const TCall&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TCall& Call) {
  return Out << Call.Name << "/" << Call.Kind;
}

// Two forms and a dialog of plain buttons (they draw nothing) on the default cursor.
class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Main = new TGuiForm("Main");
    Other = new TGuiForm("Other");
    Ask = new TGuiDialog("Ask", 0.2f, 0.3f);
    Gui->AddForm(Main);
    Gui->AddForm(Other);
    Gui->AddDialog(Ask);
    Gui->AddTransition(new TGuiTransitionImage("Image"));
    Gui->AddCursor(new TGuiCursorStandard("Default"));
    A = AddButton(Main, "A", 100, 100);
    B = AddButton(Main, "B", 400, 100);
    Yes = AddButton(Ask, "Yes", 100, 100);  // right over A
    Gui->SetCursor("Default");
    Gui->SetForm("Main");
    World.Frame();
  }

  TGuiControlButton* AddButton(TGuiForm* Form, const std::string& Name, float Left, float Top,
                               const std::string& Group = "", int32_t Layer = 0) {
    auto Handler = [this](TGuiControl* Sender, int32_t Kind) {
      Calls.push_back({Sender->Name, Kind});
    };
    auto* Button = new TGuiControlButton(Name, Group, Handler, Left, Top, 200, 60, Layer);
    Form->AddControl(Button);
    return Button;
  }

  std::vector<TCall> TakeCalls() { return std::exchange(Calls, {}); }

  TGuiTestWorld World;
  TGuiForm* Main = nullptr;
  TGuiForm* Other = nullptr;
  TGuiDialog* Ask = nullptr;
  TGuiControlButton *A = nullptr, *B = nullptr, *Yes = nullptr;
  std::vector<TCall> Calls;
};

TEST_F(GuiTest, ClickNeedsPressAndReleaseOnTheSameControl) {
  World.Click(150, 120);
  EXPECT_EQ(TakeCalls(), (std::vector<TCall>{{"A", 2}}));

  World.Move(150, 120);
  World.Button(true);
  World.Frame();
  EXPECT_TRUE(A->Down);
  World.Move(450, 120);
  World.Frame();
  EXPECT_FALSE(A->Down) << "leaving releases a push button";
  EXPECT_EQ(Gui->HotControl, B);
  World.Button(false);
  World.Frame();
  EXPECT_TRUE(TakeCalls().empty()) << "released on another control";

  World.Move(150, 120);
  World.Button(true);
  World.Frame();
  World.Move(700, 500);
  World.Frame();
  World.Move(150, 120);
  World.Frame();
  World.Button(false);
  World.Frame();
  EXPECT_TRUE(TakeCalls().empty()) << "came back before the release";
}

TEST_F(GuiTest, HoldingTheButtonOntoAControlDoesNotPressIt) {
  World.Move(700, 500);
  World.Button(true);
  World.Frame();
  World.Move(150, 120);
  World.Frame();
  EXPECT_EQ(Gui->HotControl, A);
  EXPECT_FALSE(A->Down);
  World.Button(false);
  World.Frame();
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(GuiTest, MouseOutsideTheWindowHidesTheCursorAndLeavesNothingHot) {
  World.Move(150, 120);
  World.Frame();
  EXPECT_TRUE(Gui->Cursor->Visible);
  EXPECT_TRUE(A->Hot);
  World.Move(150, -5);
  World.Frame();
  EXPECT_FALSE(Gui->Cursor->Visible);
  EXPECT_FALSE(A->Hot);
  EXPECT_EQ(Gui->HotControl, nullptr);
}

TEST_F(GuiTest, OverlappingControls) {
  auto* Later = AddButton(Main, "Later", 150, 110);
  auto* Plain = new TGuiControl("Plain", 150, 110, 200, 60, 5);
  Main->AddControl(Plain);
  AddButton(Main, "Lower", 150, 110, "", -1);
  Gui->SetForm("Main");
  World.Move(200, 130);
  World.Frame();
  EXPECT_EQ(Gui->HotControl, Later) << "same layer: the one added later";
  EXPECT_FALSE(Plain->Hot) << "a plain control is never hot, even on top";
  Later->SetVisible(false);
  World.Frame();
  EXPECT_EQ(Gui->HotControl, A) << "a lower layer loses";
  A->Layer = -2;
  World.Frame();
  EXPECT_EQ(Gui->HotControl->Name, "Lower");
}

TEST_F(GuiTest, RadioGroupSelectsAtMouseDownOnce) {
  auto* R1 = AddButton(Main, "R1", 100, 300, "G");
  auto* R2 = AddButton(Main, "R2", 400, 300, "G");
  Gui->SetForm("Main");
  World.Move(150, 320);
  World.Button(true);
  World.Frame();
  EXPECT_EQ(TakeCalls(), (std::vector<TCall>{{"R1", 1}})) << "at the press, not the release";
  World.Button(false);
  World.Frame();
  EXPECT_TRUE(TakeCalls().empty());
  World.Click(150, 320);
  EXPECT_TRUE(TakeCalls().empty()) << "already selected";
  EXPECT_TRUE(R1->Down);
  World.Click(450, 320);
  EXPECT_EQ(TakeCalls(), (std::vector<TCall>{{"R2", 1}}));
  EXPECT_FALSE(R1->Down);
  EXPECT_TRUE(R2->Down);
  World.Move(700, 600);
  World.Frame();
  EXPECT_TRUE(R2->Down) << "leaving keeps the selection";
}

TEST_F(GuiTest, DisabledPushButtonShowsThePressButCallsNothing) {
  A->SetEnabled(false);
  World.Move(150, 120);
  World.Button(true);
  World.Frame();
  EXPECT_TRUE(A->Down);
  World.Button(false);
  World.Frame();
  EXPECT_FALSE(A->Down);
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(GuiTest, KeyShortcutsClickOnlyVisibleInteractiveEnabledPushButtons) {
  struct TCase {
    const char* Name;
    TKey Key;
    TGuiControl* TGuiForm::*Slot;
    bool Visible, Enabled;
    const char* Group;
    bool Expected;
  } const Cases[] = {
      {"escape", kKeyEscape, &TGuiForm::EscapeControl, true, true, "", true},
      {"enter", kKeyEnter, &TGuiForm::ConfirmControl, true, true, "", true},
      {"space", kKeySpace, &TGuiForm::ConfirmControl, true, true, "", true},
      {"f1", kKeyF1, &TGuiForm::HelpControl, true, true, "", true},
      {"pause", kKeyPause, &TGuiForm::PauseControl, true, true, "", true},
      {"hidden", kKeyEscape, &TGuiForm::EscapeControl, false, true, "", false},
      {"disabled", kKeyEscape, &TGuiForm::EscapeControl, true, false, "", false},
      {"radio", kKeyEscape, &TGuiForm::EscapeControl, true, true, "G", false},
      {"other key", kKeyPause, &TGuiForm::EscapeControl, true, true, "", false},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Main->EscapeControl = Main->ConfirmControl = Main->HelpControl = Main->PauseControl = nullptr;
    Main->*Case.Slot = A;
    A->SetVisible(Case.Visible);
    A->SetEnabled(Case.Enabled);
    A->Group = Case.Group;
    World.Tap(Case.Key);
    EXPECT_EQ(TakeCalls().size(), Case.Expected ? 1u : 0u);
  }
}

TEST_F(GuiTest, DialogTakesInputOnlyOnceFullyOpen) {
  Main->EscapeControl = A;
  Ask->EscapeControl = Yes;
  Gui->ShowDialog("Ask");
  World.Move(150, 120);
  int ReadyFrame = 0;
  for (int Frame = 1; Frame <= 20 && !ReadyFrame; ++Frame) {
    World.Button(Frame % 2 == 1);
    World.Key(kKeyEscape, Frame % 2 == 1);
    World.Frame();
    if (Ask->Ready) {
      ReadyFrame = Frame;
      EXPECT_EQ(Gui->ActiveForm, Ask) << "input from the frame the opening ends";
      EXPECT_FLOAT_EQ(Ask->Alpha, 1);
    } else {
      EXPECT_EQ(Gui->ActiveForm, nullptr);
      EXPECT_TRUE(TakeCalls().empty()) << "frame " << Frame;
      EXPECT_FALSE(Main->Active);
    }
  }
  EXPECT_GE(ReadyFrame, 12);  // 0.2 s at 60 frames a second
  EXPECT_LE(ReadyFrame, 13);
  World.Button(false);
  World.Key(kKeyEscape, false);
  World.Frame();
  TakeCalls();
  World.Click(150, 120);
  World.Tap(kKeyEscape);
  EXPECT_EQ(TakeCalls(), (std::vector<TCall>{{"Yes", 2}, {"Yes", 2}})) << "nothing reaches A";
}

TEST_F(GuiTest, ClosingDialogFadesWithoutInputThenGivesTheFormBack) {
  Gui->ShowDialog("Ask");
  World.Frames(14);
  ASSERT_TRUE(Ask->Ready);
  Gui->CloseDialog();
  int Frames = 0;
  while (Ask->Visible && Frames < 40) {
    World.Click(150, 120);
    Frames += 2;
    EXPECT_TRUE(TakeCalls().empty());
    EXPECT_NE(Gui->ActiveForm, Ask);
  }
  EXPECT_NEAR(Frames, 18, 2) << "visible for its 0.3 s close time";
  World.Frame();
  EXPECT_EQ(Gui->Dialog, nullptr);
  EXPECT_EQ(Gui->ActiveForm, Main);
  World.Click(150, 120);
  EXPECT_EQ(TakeCalls(), (std::vector<TCall>{{"A", 2}}));

  Gui->ShowDialog("Ask");
  World.Frames(14);
  Ask->Close(true);
  EXPECT_FALSE(Ask->Visible) << "an immediate close hides it in the same frame";
  EXPECT_FALSE(Yes->Displayed);
}

TEST_F(GuiTest, DialogClosedWhileOpeningNeverBecomesReady) {
  Gui->ShowDialog("Ask");
  World.Frames(3);
  Gui->CloseDialog();
  for (int Frame = 0; Frame < 30; ++Frame) {
    World.Frame();
    EXPECT_FALSE(Ask->Ready) << "frame " << Frame;
  }
  EXPECT_FALSE(Ask->Visible);
  EXPECT_EQ(Gui->ActiveForm, Main);
}

TEST_F(GuiTest, NoInputReachesFormsDuringATransition) {
  Main->EscapeControl = A;
  Gui->ShowForm("Other", "Image");
  bool OtherShownEarly = false;
  World.Move(150, 120);
  for (int Frame = 1; Gui->Transition && Frame < 100; ++Frame) {
    World.Button(Frame % 2 == 1);
    World.Key(kKeyEscape, Frame % 2 == 1);
    World.Frame();
    OtherShownEarly = OtherShownEarly || (Other->Visible && Main->Visible);
    if (Gui->Transition) EXPECT_EQ(Gui->ActiveForm, nullptr) << "frame " << Frame;
  }
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_FALSE(OtherShownEarly) << "the forms swap in one step";
  EXPECT_EQ(Gui->Form, Other);
  World.Frame();
  EXPECT_EQ(Gui->ActiveForm, Other);
}

TEST_F(GuiTest, ShowFormDuringATransitionStartsOverFromTheCurrentForm) {
  Gui->ShowForm("Other", "Image");
  World.Frames(5);
  ASSERT_EQ(Gui->Transition->State, 1);
  Gui->ShowForm("Main", "Image");
  World.Frame();
  EXPECT_EQ(Gui->Transition->State, 1) << "begins again with the cover";
  bool OtherShown = false;
  for (int Frame = 0; Frame < 60; ++Frame) {
    World.Frame();
    OtherShown = OtherShown || Other->Visible;
  }
  EXPECT_FALSE(OtherShown);
  EXPECT_EQ(Gui->Transition, nullptr);
  EXPECT_EQ(Gui->Form, Main);
  EXPECT_TRUE(Main->Visible);

  Gui->ShowForm("Other", "Nope");
  EXPECT_EQ(Gui->Transition, nullptr) << "unknown transitions switch nothing";
  Gui->ShowForm("Nope", "Image");
  World.Frames(60);
  EXPECT_EQ(Gui->Form, nullptr) << "an unknown form leaves an empty screen";
  EXPECT_FALSE(Main->Visible);
}

TEST_F(GuiTest, ControlVisibilityFollowsItsForm) {
  auto* C = AddButton(Other, "C", 100, 100);
  C->SetVisible(false);
  Gui->SetForm("Other");
  EXPECT_FALSE(C->Displayed) << "made invisible while its form was hidden";
  C->SetVisible(true);
  EXPECT_TRUE(C->Displayed) << "shown at once on a shown form";
  Gui->SetForm("Main");
  EXPECT_FALSE(C->Displayed);
  EXPECT_TRUE(C->Visible);
}

TEST_F(GuiTest, CaptionSettersOnlyInvalidateOnChange) {
  Strings[sidButtonOK] = "OK";
  World.Frame();
  ASSERT_FALSE(A->Dirty);
  struct TStep {
    const char* Name;
    void (*Apply)(TGuiControl*);
    bool Dirty;
    int32_t CaptionId;
    const char* Caption;
  } const Steps[] = {
      {"literal", [](TGuiControl* C) { C->SetCaption("Go"); }, true, 0, "Go"},
      {"same literal", [](TGuiControl* C) { C->SetCaption("Go"); }, false, 0, "Go"},
      {"id", [](TGuiControl* C) { C->SetCaptionId(sidButtonOK); }, true, sidButtonOK, "OK"},
      {"same id", [](TGuiControl* C) { C->SetCaptionId(sidButtonOK); }, false, sidButtonOK, "OK"},
      {"empty literal keeps id", [](TGuiControl* C) { C->SetCaption(""); }, false, sidButtonOK,
       "OK"},
      {"id 0", [](TGuiControl* C) { C->SetCaptionId(0); }, true, 0, ""},
      {"same centre", [](TGuiControl* C) { C->SetCenter(C->CenterX, C->CenterY); }, false, 0, ""},
      {"scale", [](TGuiControl* C) { C->SetScale(2); }, true, 0, ""},
  };
  for (const TStep& Step : Steps) {
    SCOPED_TRACE(Step.Name);
    A->Dirty = false;
    Step.Apply(A);
    EXPECT_EQ(A->Dirty, Step.Dirty);
    EXPECT_EQ(A->CaptionId, Step.CaptionId);
    EXPECT_EQ(A->GetCaption(), Step.Caption);
  }
  A->SetCaptionId(100000);
  EXPECT_EQ(A->GetCaption(), "") << "an id outside the table reads as empty";
}

TEST_F(GuiTest, HitTestIncludesTheEdgesAndFollowsFormScaleAndOffset) {
  const float L = 100 - 640, T = 100 - 400;  // A's top-left corner on the screen
  EXPECT_TRUE(A->HitTest(L, T));
  EXPECT_TRUE(A->HitTest(L + 200, T + 60));
  EXPECT_FALSE(A->HitTest(L - 0.01f, T));
  Main->Scale = 0.5f;
  Main->OffsetX = 10;
  const float CX = 0.5f * A->CenterX + 10;
  EXPECT_TRUE(A->HitTest(CX + 50, 0.5f * A->CenterY));
  EXPECT_FALSE(A->HitTest(CX + 51, 0.5f * A->CenterY));
}

TEST_F(GuiTest, HintShowsAfterItsDelayAndGoesAtOnce) {
  auto* Hint = new TGuiControlHint("Hint", 0, 0, 100, 20, 0);
  Hint->Delay = 0.25f;
  Main->AddControl(Hint);
  Main->HintControl = Hint;
  Main->SetHint("Tip");
  World.Frames(10);
  EXPECT_FALSE(Hint->HintShown) << "still waiting";
  World.Frames(10);
  EXPECT_TRUE(Hint->HintShown);
  EXPECT_EQ(Hint->GetCaption(), "Tip");

  Main->SetHint("");
  EXPECT_FALSE(Hint->HintShown) << "an empty hint hides at once";
  Main->SetHint("Late");
  World.Move(150, 120);  // entering a control asks for an empty hint and cancels the wait
  World.Frames(20);
  EXPECT_FALSE(Hint->HintShown);
}

}  // namespace
