// The GUI manager: registries, the single input target, hover and click tracking, the four
// key shortcuts, the dialog in front and the form switch behind a transition.
#include "engine/EngineGui.h"

#include "app/EngineRegister.h"
#include "engine/EngineInput.h"

TGui* Gui = nullptr;
std::string DialogText;
TGuiDialogCallback DialogCallback;

TGui::~TGui() {
  if (Transition) Transition->Halt();
  Transition = nullptr;
  if (Form) Form->HideForm();
  if (Dialog) Dialog->Close(false);
  HideCursor();
  // Hide every screen while the manager is still whole, so each form's own Hide runs and no
  // control keeps a sprite past this point.
  for (TContainer* Screens : {&Forms, &Dialogs}) {
    Screens->ForEach([](TContainerItem* Item) {
      auto* Screen = static_cast<TGuiForm*>(Item);
      if (Screen->Visible) Screen->HideForm();
    });
  }
  Form = NextForm = ActiveForm = nullptr;
  Dialog = nullptr;
  HotControl = nullptr;
  Forms.Clear();
  Transitions.Clear();
  Dialogs.Clear();
  Cursors.Clear();
  DialogText.clear();
  DialogCallback = nullptr;
}

void TGui::AddCursor(TGuiCursor* Item) {
  Cursors.Add(Item, nullptr, ipFirst);
}
void TGui::AddDialog(TGuiDialog* Item) {
  Dialogs.Add(Item, nullptr, ipFirst);
}
void TGui::AddTransition(TGuiTransition* Item) {
  Transitions.Add(Item, nullptr, ipFirst);
}
void TGui::AddForm(TGuiForm* Item) {
  Forms.Add(Item, nullptr, ipFirst);
}

void TGui::SetCursor(const std::string& Name) {
  if (Cursor && Cursor->Name == Name) return;
  if (Cursor && Cursor->Visible) Cursor->Hide();
  Cursor = static_cast<TGuiCursor*>(Cursors.Find(Name));
  if (Cursor) TrackCursor();
}

void TGui::HideCursor() {
  if (Cursor && Cursor->Visible) Cursor->Hide();
  Cursor = nullptr;
}

void TGui::ShowDialog(const std::string& Name) {
  if (Dialog) Dialog->Close(true);
  Dialog = static_cast<TGuiDialog*>(Dialogs.Find(Name));
  if (Dialog) Dialog->Open(kDialogLayer);
}

void TGui::CloseDialog() {
  if (Dialog) Dialog->Close(false);
}

void TGui::ShowForm(const std::string& FormName, const std::string& TransitionName) {
  if (Transition) Transition->Halt();
  Transition = static_cast<TGuiTransition*>(Transitions.Find(TransitionName));
  if (!Transition) {
    NextForm = nullptr;
    return;
  }
  NextForm = static_cast<TGuiForm*>(Forms.Find(FormName));
  Transition->Layer = kTransitionLayer;
  Transition->State = 0;
  Transition->Start();
}

void TGui::SetForm(const std::string& Name) {
  if (Transition) Transition->Halt();
  Transition = nullptr;
  if (Form) Form->HideForm();
  NextForm = nullptr;
  Form = static_cast<TGuiForm*>(Forms.Find(Name));
  if (Form) Form->ShowAt(kFormLayer);
}

void TGui::DeactivateForm(TGuiForm* F) {
  if (!F || F != ActiveForm) return;
  if (HotControl && HotControl->Form == F) {
    HotControl->MouseLeave();
    HotControl = nullptr;
    Pressed = false;
  }
  F->SetHint(std::string());
  F->Deactivate();
  ActiveForm = nullptr;
}

TGuiForm* TGui::InputTarget() const {
  if (Dialog) return Dialog->Ready ? Dialog : nullptr;
  return Transition ? nullptr : Form;
}

void TGui::ChooseInputTarget() {
  TGuiForm* Target = InputTarget();
  if (Target == ActiveForm) return;
  DeactivateForm(ActiveForm);
  if (!Target) return;
  ActiveForm = Target;
  Target->Activate();
}

// Moves the cursor to the mouse, shows or hides it by whether the mouse is in the window, and
// returns the control under it on the active form.
TGuiControl* TGui::TrackCursor() {
  if (!Cursor || !Input) return nullptr;
  const float Width = Register.LogicalWidth;
  Cursor->X = (Input->MouseX - 0.5f) * Width;
  Cursor->Y = (Width / Register.AspectRatio) * (Input->MouseY - 0.5f);
  if (Input->MouseInside) {
    if (!Cursor->Visible) Cursor->Show();
  } else if (Cursor->Visible) {
    Cursor->Hide();
  }
  if (!Input->MouseInside || !ActiveForm) return nullptr;
  return ActiveForm->ControlAt(Cursor->X, Cursor->Y);
}

void TGui::SetHotControl(TGuiControl* Candidate) {
  if (Candidate == HotControl) return;
  if (HotControl) {
    HotControl->MouseLeave();
    HotControl = nullptr;
    Pressed = false;
  }
  if (Candidate) {
    HotControl = Candidate;
    Candidate->MouseEnter();
    Candidate->ShowHint();
  } else if (ActiveForm) {
    ActiveForm->SetHint(std::string());
  }
}

// A click needs the press and the release on the same control without leaving it between.
// Handlers may switch screens and so take the hot control away; a press only counts while the
// control that received it is still hot.
void TGui::HandleMouseButton() {
  TGuiControl* Control = HotControl;
  if (!Control || !Input) return;
  if (Input->MouseDown && !Input->MouseWasDown) {
    Control->MouseDown();
    Pressed = HotControl == Control;
  } else if (!Input->MouseDown && Input->MouseWasDown) {
    Control->MouseUp();
    const bool Click = Pressed && HotControl == Control;
    Pressed = false;
    if (Click) Control->Click();
  }
}

void TGui::HandleKeys() {
  if (!Input) return;
  const bool Keys[] = {Input->EscapePressed, Input->ConfirmPressed, Input->HelpPressed,
                       Input->PausePressed};
  TGuiControl* TGuiForm::*const Shortcuts[] = {&TGuiForm::EscapeControl, &TGuiForm::ConfirmControl,
                                               &TGuiForm::HelpControl, &TGuiForm::PauseControl};
  for (int i = 0; i < 4; ++i) {
    if (!ActiveForm) return;
    TGuiControl* Control = ActiveForm->*Shortcuts[i];
    if (Keys[i] && Control && Control->Interactive && Control->Visible) Control->Click();
  }
}

void TGui::StepTransition() {
  TGuiTransition* T = Transition;
  bool Done = false;
  switch (T->State) {
    case 0:
      Done = T->CoverBegin();
      break;
    case 1:
      Done = T->Cover();
      break;
    case 2:
      Done = T->CoverEnd();
      break;
    case 3:
      Done = true;
      break;
    case 4:
      Done = T->RevealBegin();
      break;
    case 5:
      Done = T->Reveal();
      break;
    case 6:
      Done = T->RevealEnd();
      break;
    default:
      Done = true;
      break;
  }
  const bool WasCovered = T->State == 3;
  if (Done && T->State < 7) ++T->State;
  if (T->State >= 7) {
    T->Halt();
    Transition = nullptr;
  } else if (T->State == 3 && !WasCovered) {
    SwapForms();
  }
}

void TGui::SwapForms() {
  if (Form) Form->HideForm();
  Form = NextForm;
  if (Form) Form->ShowAt(kFormLayer);
  NextForm = nullptr;
}

void TGui::Update() {
  if (Dialog && !Dialog->Visible) Dialog = nullptr;
  ChooseInputTarget();
  SetHotControl(TrackCursor());
  HandleMouseButton();
  HandleKeys();
  if (Dialog) Dialog->UpdateControls();
  if (Transition) StepTransition();
  if (Form) Form->UpdateControls();
  if (Cursor && Cursor->Visible) Cursor->Update();
  if (Dialog) Dialog->RefreshControls();
  if (Form) Form->RefreshControls();
}
