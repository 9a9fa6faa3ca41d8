// The controls every screen uses besides buttons: a picture, a label, the one-line input
// field fed by the line editor, and the bobbing arrow that points at the control a form
// recommends. None of them takes part in hit testing.
#pragma once

#include <cstdint>
#include <string>

#include "engine/EngineGui.h"

class TSprite;
class TText;

class TGuiControlPicture : public TGuiControl {
 public:
  TGuiControlPicture(const std::string& Name, const std::string& Picture, int32_t Frame,
                     bool FlipHorizontal, bool FlipVertical, float Left, float Top, float Width,
                     float Height, int32_t Layer);
  ~TGuiControlPicture() override;

  void Show() override;
  void Hide() override;
  void Refresh() override;

  bool FlipHorizontal;
  bool FlipVertical;
  TSprite* Sprite = nullptr;
};

class TGuiControlLabel : public TGuiControl {
 public:
  TGuiControlLabel(const std::string& Name, int32_t CaptionId, uint32_t Color, uint8_t Alignment,
                   float FontSize, float Left, float Top, float Width, float Height, int32_t Layer);
  ~TGuiControlLabel() override;

  void Show() override;
  void Hide() override;
  void Refresh() override;

  TText* TextItem = nullptr;
  float FontSize;
  uint8_t Alignment;
  uint32_t Color;
};

class TGuiControlInput : public TGuiControl {
 public:
  TGuiControlInput(const std::string& Name, float Left, float Top, int32_t Layer);
  ~TGuiControlInput() override;

  void Show() override;
  void Hide() override;
  void Update() override;
  void Refresh() override;

  TSprite* Sprite = nullptr;
  TText* TextItem = nullptr;
  float FontSize = 0.9375f;
  uint8_t Alignment = 3;

 private:
  std::string TypedText;  // reused every frame, so the blinking caret costs no allocation
};

class TGuiControlRecommendedArrow : public TGuiControl {
 public:
  explicit TGuiControlRecommendedArrow(int32_t Layer);
  ~TGuiControlRecommendedArrow() override;

  void Show() override;
  void Hide() override;
  void Update() override;
  void Refresh() override;

  TSprite* Sprite = nullptr;
};
