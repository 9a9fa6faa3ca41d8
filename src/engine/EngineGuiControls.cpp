// Forms, dialogs, controls and buttons: showing and hiding, the change-checking setters, hit
// testing, push and radio behaviour, and the dialog fades.
#include <cstring>

#include "engine/EngineGui.h"
#include "engine/EngineLanguages.h"

namespace {

constexpr float kDesignCenterX = 640.0f;
constexpr float kDesignCenterY = 400.0f;

bool SameBits(float A, float B) {
  return std::memcmp(&A, &B, sizeof A) == 0;
}

}  // namespace

// ---- TGuiControl ----

TGuiControl::TGuiControl(const std::string& ControlName, float Left, float Top, float NewWidth,
                         float NewHeight, int32_t NewLayer)
    : Layer(NewLayer) {
  Name = ControlName;
  SetBounds(Left, Top, NewWidth, NewHeight);
}

TGuiControl::~TGuiControl() {
  if (Timer) Timer->RemovePhases(this);
}

void TGuiControl::Added(TContainer* Container, void* Data) {
  Form = static_cast<TGuiForm*>(Data);
}

bool TGuiControl::HitTest(float X, float Y) {
  const TVector2 P = ScreenPosition();
  const float S = ScreenScale();
  const float W = S * Width;
  const float H = S * Height;
  const float Left = P.X - 0.5f * W;
  const float Top = P.Y - 0.5f * H;
  return Left <= X && X <= Left + W && Top <= Y && Y <= Top + H;
}

void TGuiControl::Show() {
  Displayed = true;
  Invalidate();
}

void TGuiControl::Hide() {
  Displayed = false;
  Dirty = false;
}

void TGuiControl::MouseEnter() {
  Hot = true;
}

void TGuiControl::MouseLeave() {
  Hot = false;
}

void TGuiControl::ShowHint() {
  if (Form) Form->SetHint(std::string());
}

void TGuiControl::SetBounds(float Left, float Top, float NewWidth, float NewHeight) {
  CenterX = Left - kDesignCenterX + NewWidth * 0.5f;
  CenterY = Top - kDesignCenterY + NewHeight * 0.5f;
  Width = NewWidth;
  Height = NewHeight;
  Invalidate();
}

void TGuiControl::SetCenter(float X, float Y) {
  if (SameBits(X, CenterX) && SameBits(Y, CenterY)) return;
  CenterX = X;
  CenterY = Y;
  Invalidate();
}

void TGuiControl::SetScale(float Value) {
  if (Value == Scale) return;
  Scale = Value;
  Invalidate();
}

void TGuiControl::SetAlpha(float Value) {
  if (Value == Alpha) return;
  Alpha = Value;
  Invalidate();
}

void TGuiControl::SetPicture(const std::string& PictureName) {
  if (PictureName == Picture) return;
  Picture = PictureName;
  Invalidate();
}

void TGuiControl::SetFrame(int32_t Index) {
  if (Index == Frame) return;
  Frame = Index;
  Invalidate();
}

void TGuiControl::SetCaption(const std::string& Text) {
  if (Text == Caption) return;
  Caption = Text;
  CaptionId = 0;
  Invalidate();
}

void TGuiControl::SetCaptionId(int32_t Id) {
  if (Id == CaptionId) return;
  CaptionId = Id;
  Caption.clear();
  Invalidate();
}

void TGuiControl::SetVisible(bool B) {
  if (B == Visible) return;
  Visible = B;
  if (B && !Displayed && Form && Form->Visible)
    Show();
  else if (!B && Displayed)
    Hide();
}

const std::string& TGuiControl::GetCaption() const {
  static const std::string Empty;
  if (CaptionId == 0) return Caption;
  return CaptionId > 0 && CaptionId < sidCount ? Strings[CaptionId] : Empty;
}

void TGuiControl::Invalidate() {
  if (Displayed) Dirty = true;
}

TVector2 TGuiControl::ScreenPosition() const {
  return {Form->Scale * CenterX + Form->OffsetX, Form->Scale * CenterY + Form->OffsetY};
}

float TGuiControl::ScreenScale() const {
  return Scale * Form->Scale;
}

float TGuiControl::ScreenAlpha() const {
  return Alpha * Form->Alpha;
}

int32_t TGuiControl::SpriteLayer() const {
  return Form->Layer + Layer;
}

int32_t TGuiControl::ScreenAlphaByte() const {
  return LerpInt(0, 255, Saturate(ScreenAlpha()));
}

// ---- TGuiControlButton ----

TGuiControlButton::TGuiControlButton(const std::string& ControlName, const std::string& NewGroup,
                                     TGuiClickHandler Handler, float Left, float Top,
                                     float NewWidth, float NewHeight, int32_t NewLayer)
    : TGuiControl(ControlName, Left, Top, NewWidth, NewHeight, NewLayer),
      OnClick(std::move(Handler)),
      Group(NewGroup) {
  Interactive = true;
}

void TGuiControlButton::MouseEnter() {
  Hot = true;
  Invalidate();
}

void TGuiControlButton::MouseLeave() {
  Hot = false;
  if (!IsRadio()) SetDown(false);
  Invalidate();
}

void TGuiControlButton::MouseDown() {
  if (!IsRadio()) {
    SetDown(true);
    return;
  }
  if (Down) return;
  if (Form) Form->SelectInGroup(Name, Group);
  if (OnClick) OnClick(this, 1);
}

void TGuiControlButton::MouseUp() {
  if (!IsRadio()) SetDown(false);
}

void TGuiControlButton::Click() {
  if (!IsRadio() && OnClick && Enabled) OnClick(this, 2);
}

void TGuiControlButton::SetDown(bool B) {
  if (B == Down) return;
  Down = B;
  Invalidate();
}

void TGuiControlButton::SetEnabled(bool B) {
  if (B == Enabled) return;
  Enabled = B;
  Invalidate();
}

// ---- TGuiControlHint ----

void TGuiControlHint::ShowHintText(const std::string& Text) {
  SetCaption(Text);
  HintShown = true;
}

void TGuiControlHint::HideHint() {
  SetCaption(std::string());
  HintShown = false;
}

// ---- TGuiForm ----

TGuiForm::TGuiForm(const std::string& FormName) {
  Name = FormName;
}

TGuiForm::~TGuiForm() {
  HideForm();
  Controls.Clear();
  if (Timer) Timer->RemovePhases(this);
}

void TGuiForm::Show() {
  Visible = true;
  Controls.ForEach([](TContainerItem* Item) {
    auto* C = static_cast<TGuiControl*>(Item);
    if (!C->Displayed && C->Visible && C->Form->Visible) C->Show();
  });
}

void TGuiForm::Hide() {
  Controls.ForEach([](TContainerItem* Item) {
    auto* C = static_cast<TGuiControl*>(Item);
    if (C->Displayed) C->Hide();
  });
  Visible = false;
}

void TGuiForm::UpdateControls() {
  Controls.ForEach([](TContainerItem* Item) { static_cast<TGuiControl*>(Item)->Update(); });
}

void TGuiForm::RefreshControls() {
  Controls.ForEach([](TContainerItem* Item) {
    auto* C = static_cast<TGuiControl*>(Item);
    if (!C->Dirty || !C->Displayed) return;
    C->Refresh();
    C->Dirty = false;
  });
}

void TGuiForm::ShowAt(int32_t NewLayer) {
  Layer = NewLayer;
  Show();
}

void TGuiForm::HideForm() {
  if (Gui) Gui->DeactivateForm(this);
  Hide();
}

TGuiControl* TGuiForm::AddControl(TGuiControl* Control) {
  Controls.Add(Control, this, ipLast);
  return Control;
}

TGuiControl* TGuiForm::FindControl(const std::string& ControlName) {
  return static_cast<TGuiControl*>(Controls.Find(ControlName));
}

TGuiControlButton* TGuiForm::FindButton(const std::string& ControlName) {
  return dynamic_cast<TGuiControlButton*>(FindControl(ControlName));
}

TGuiControl* TGuiForm::ControlAt(float X, float Y) {
  TGuiControl* Result = nullptr;
  for (TContainerItem* Node = Controls.First(); Node && !Controls.IsEnd(Node); Node = Node->Next) {
    auto* C = static_cast<TGuiControl*>(Node);
    if (!C->Displayed || !C->Interactive) continue;
    if ((!Result || C->Layer >= Result->Layer) && C->HitTest(X, Y)) Result = C;
  }
  return Result;
}

void TGuiForm::SelectInGroup(const std::string& ControlName, const std::string& Group) {
  if (Group.empty()) return;
  Controls.ForEach([&](TContainerItem* Item) {
    auto* Button = dynamic_cast<TGuiControlButton*>(Item);
    if (Button && Button->Group == Group) Button->SetDown(Button->Name == ControlName);
  });
}

void TGuiForm::Recommend(const std::string& ControlName, int32_t Side) {
  RecommendedControl = FindControl(ControlName);
  RecommendedSide = EnsureRange(Side, 0, 3);
}

void TGuiForm::SetAlpha(float A) {
  if (A == Alpha) return;
  Alpha = A;
  InvalidateControls();
}

void TGuiForm::InvalidateControls() {
  Controls.ForEach([](TContainerItem* Item) { static_cast<TGuiControl*>(Item)->Invalidate(); });
}

void TGuiForm::SetHint(const std::string& Text) {
  if (!HintControl) return;
  TGuiControlHint* Hint = HintControl;
  if (Timer) Timer->RemovePhase(Hint, "HintDelay");
  if (Hint->HintShown) Hint->HideHint();
  if (Text.empty() || !Timer) return;
  Timer->AddPhase(
      new TPhaseSetString(Hint, "HintDelay", false, Hint->Delay, Text,
                          [Hint](const std::string& Value) { Hint->ShowHintText(Value); }));
}

// ---- TGuiDialog ----

TGuiDialog::TGuiDialog(const std::string& DialogName, float NewOpenTime, float NewCloseTime)
    : TGuiForm(DialogName), OpenTime(NewOpenTime), CloseTime(NewCloseTime) {}

void TGuiDialog::FadeIn() {
  if (!Timer) {
    SetAlpha(1.0f);
    Ready = true;
    return;
  }
  Timer->AddPhase(new TPhaseLerpSingle(this, std::string(), false, OpenTime, 0.0f, 1.0f,
                                       [this](float A) { SetAlpha(A); }));
  Timer->AddPhase(new TPhaseSetBoolean(this, std::string(), false, OpenTime, true,
                                       [this](bool B) { Ready = B; }));
}

void TGuiDialog::FadeOut() {
  if (Timer)
    Timer->AddPhase(new TPhaseLerpSingle(this, std::string(), false, CloseTime, 1.0f, 0.0f,
                                         [this](float A) { SetAlpha(A); }));
}

void TGuiDialog::Open(int32_t NewLayer) {
  if (Visible) return;
  ShowAt(NewLayer);
  FadeIn();
}

void TGuiDialog::Close(bool Immediate) {
  if (!Visible) return;
  Ready = false;
  // A dialog closed while still opening must not become ready, nor fight the fade-out, when
  // its opening phases end.
  if (Timer) Timer->RemovePhases(this);
  FadeOut();
  if (Immediate || !Timer) {
    if (Timer) Timer->RemovePhases(this);
    HideForm();
    return;
  }
  Timer->AddPhase(new TPhaseCall(this, std::string(), false, CloseTime, [this] { HideForm(); }));
}

// ---- TGuiCursor, TGuiTransition ----

TGuiCursor::TGuiCursor(const std::string& CursorName) {
  Name = CursorName;
}

TGuiCursor::~TGuiCursor() {
  if (Visible) Visible = false;
}

TGuiTransition::TGuiTransition(const std::string& TransitionName) {
  Name = TransitionName;
}
