// The GUI toolkit's core: the manager that owns every cursor, form, dialog and transition and
// routes the mouse and keys to one form at a time, and the base classes of forms, dialogs,
// controls and buttons. Concrete controls create their sprites in Show, write them in Refresh
// and free them in Hide; nothing here draws by itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/EngineClasses.h"
#include "engine/EngineTimer.h"

class TGuiForm;
class TGuiControl;

// Layers of the three kinds of screen objects; a control adds its own layer to its form's.
constexpr int32_t kFormLayer = 0;
constexpr int32_t kTransitionLayer = 1000000;
constexpr int32_t kDialogLayer = 2000000;

// Handler of a button: Kind 1 = selected in its group (at mouse down), 2 = clicked.
using TGuiClickHandler = std::function<void(TGuiControl* Sender, int32_t Kind)>;
using TGuiDialogCallback = std::function<void(TGuiControl* Sender)>;

// What a screen hands to the message, query and input dialogs: the text they show and the
// handler their confirming button calls.
extern std::string DialogText;
extern TGuiDialogCallback DialogCallback;

class TGuiControl : public TContainerItem {
 public:
  TGuiControl(const std::string& Name, float Left, float Top, float Width, float Height,
              int32_t Layer);
  ~TGuiControl() override;

  void Added(TContainer* Container, void* Data) override;  // Data: the owning form

  virtual bool HitTest(float X, float Y);
  virtual void Show();
  virtual void Hide();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Update() {}
  virtual void Refresh() {}
  virtual void MouseDown() {}
  virtual void MouseUp() {}
  virtual void Click() {}
  virtual void ShowHint();

  void SetBounds(float Left, float Top, float Width, float Height);
  void SetCenter(float X, float Y);
  void SetScale(float Value);
  void SetAlpha(float Value);
  void SetPicture(const std::string& Name);
  void SetFrame(int32_t Index);
  void SetCaption(const std::string& Text);
  void SetCaptionId(int32_t Id);
  void SetInteractive(bool B) { Interactive = B; }
  void SetVisible(bool B);
  const std::string& GetCaption() const;
  void Invalidate();

  TVector2 ScreenPosition() const;
  float ScreenScale() const;
  float ScreenAlpha() const;
  int32_t SpriteLayer() const;
  // The alpha byte a sprite of this control gets: LerpInt(0, 255, ScreenAlpha).
  int32_t ScreenAlphaByte() const;

  TGuiForm* Form = nullptr;
  bool Displayed = false;
  bool Hot = false;
  bool Interactive = false;
  bool Visible = true;
  int32_t Layer = 0;
  float CenterX = 0, CenterY = 0;
  float Width = 0, Height = 0;
  float Scale = 1.0f;
  float Alpha = 1.0f;
  std::string Picture;
  int32_t Frame = 0;
  std::string Caption;
  int32_t CaptionId = 0;
  bool Dirty = false;
};

class TGuiControlButton : public TGuiControl {
 public:
  TGuiControlButton(const std::string& Name, const std::string& Group, TGuiClickHandler OnClick,
                    float Left, float Top, float Width, float Height, int32_t Layer);

  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown() override;
  void MouseUp() override;
  void Click() override;

  void SetDown(bool B);
  void SetEnabled(bool B);
  bool IsRadio() const { return !Group.empty(); }

  TGuiClickHandler OnClick;
  bool Down = false;
  bool Enabled = true;
  std::string Group;
};

// A control that shows a text after the mouse rested on another control for Delay seconds.
// Subclasses draw it; this keeps the text and whether it is shown.
class TGuiControlHint : public TGuiControl {
 public:
  using TGuiControl::TGuiControl;
  virtual void ShowHintText(const std::string& Text);
  virtual void HideHint();

  float Delay = 0.5f;
  bool HintShown = false;
};

class TGuiForm : public TContainerItem {
 public:
  explicit TGuiForm(const std::string& Name);
  ~TGuiForm() override;

  virtual void Show();
  virtual void Hide();
  virtual void Activate() { Active = true; }
  virtual void Deactivate() { Active = false; }
  virtual void UpdateControls();
  virtual void RefreshControls();

  // Showing at a layer, and hiding after the manager took the input away from the form.
  void ShowAt(int32_t NewLayer);
  void HideForm();

  TGuiControl* AddControl(TGuiControl* Control);
  TGuiControl* FindControl(const std::string& ControlName);
  TGuiControlButton* FindButton(const std::string& ControlName);
  TGuiControl* ControlAt(float X, float Y);
  void SelectInGroup(const std::string& ControlName, const std::string& Group);
  void Recommend(const std::string& ControlName, int32_t Side);
  void SetAlpha(float A);
  void InvalidateControls();
  void SetHint(const std::string& Text);

  bool Visible = false;
  bool Active = false;
  int32_t Layer = 0;
  float OffsetX = 0, OffsetY = 0;
  float Scale = 1.0f;
  float Alpha = 1.0f;
  TContainer Controls;
  TGuiControl* RecommendedControl = nullptr;
  int32_t RecommendedSide = 0;
  TGuiControl* EscapeControl = nullptr;
  TGuiControl* ConfirmControl = nullptr;
  TGuiControl* HelpControl = nullptr;
  TGuiControl* PauseControl = nullptr;
  TGuiControlHint* HintControl = nullptr;
};

class TGuiDialog : public TGuiForm {
 public:
  TGuiDialog(const std::string& Name, float OpenTime, float CloseTime);

  virtual void FadeIn();
  virtual void FadeOut();

  void Open(int32_t NewLayer);
  void Close(bool Immediate);

  float OpenTime;
  float CloseTime;
  bool Ready = false;
};

class TGuiCursor : public TContainerItem {
 public:
  explicit TGuiCursor(const std::string& Name);
  ~TGuiCursor() override;

  virtual void Show() { Visible = true; }
  virtual void Hide() { Visible = false; }
  virtual void Update() = 0;

  bool Visible = false;
  float X = 0, Y = 0;
};

class TGuiTransition : public TContainerItem {
 public:
  explicit TGuiTransition(const std::string& Name);

  virtual void Start() = 0;
  virtual void Halt() = 0;
  virtual bool CoverBegin() = 0;
  virtual bool Cover() = 0;
  virtual bool CoverEnd() = 0;
  virtual bool RevealBegin() = 0;
  virtual bool Reveal() = 0;
  virtual bool RevealEnd() = 0;

  uint8_t State = 0;
  int32_t Layer = 0;
};

class TGui {
 public:
  TGui() = default;
  virtual ~TGui();
  TGui(const TGui&) = delete;
  TGui& operator=(const TGui&) = delete;

  void AddCursor(TGuiCursor* Item);
  void AddDialog(TGuiDialog* Item);
  void AddTransition(TGuiTransition* Item);
  void AddForm(TGuiForm* Item);

  void SetCursor(const std::string& Name);
  void HideCursor();
  void ShowDialog(const std::string& Name);
  void CloseDialog();
  void ShowForm(const std::string& FormName, const std::string& TransitionName);
  void SetForm(const std::string& Name);
  void DeactivateForm(TGuiForm* F);
  void Update();

  TContainer Cursors, Dialogs, Transitions, Forms;
  TGuiCursor* Cursor = nullptr;
  TGuiDialog* Dialog = nullptr;
  TGuiTransition* Transition = nullptr;
  TGuiForm* Form = nullptr;
  TGuiForm* NextForm = nullptr;
  TGuiForm* ActiveForm = nullptr;
  TGuiControl* HotControl = nullptr;
  bool Pressed = false;

 private:
  TGuiForm* InputTarget() const;
  void ChooseInputTarget();
  TGuiControl* TrackCursor();
  void SetHotControl(TGuiControl* Candidate);
  void HandleMouseButton();
  void HandleKeys();
  void StepTransition();
  void SwapForms();
};

extern TGui* Gui;
