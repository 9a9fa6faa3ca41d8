// The three buttons the screens are built from: a text link, a raised picture button with a
// caption, and the same picture button as an option of a radio group.
#pragma once

#include <cstdint>
#include <string>

#include "engine/EngineGui.h"

class TSprite;
class TText;

class TGuiControlButtonLink : public TGuiControlButton {
 public:
  TGuiControlButtonLink(const std::string& Name, int32_t Style, int32_t CaptionId,
                        TGuiClickHandler OnClick, float Left, float Top, float Width, float Height,
                        int32_t Layer);
  ~TGuiControlButtonLink() override;

  void Show() override;
  void Hide() override;
  void MouseEnter() override;
  void MouseDown() override;
  void Refresh() override;

  TText* TextItem = nullptr;
  float FontSize = 0;
  uint8_t Alignment = 0;
  uint32_t NormalColor = 0xFFFFFF;
  uint32_t HotColor = 0xFFFF00;
};

class TGuiControlButtonBump : public TGuiControlButton {
 public:
  TGuiControlButtonBump(const std::string& Name, int32_t Style, int32_t CaptionId,
                        TGuiClickHandler OnClick, float Left, float Top, int32_t Layer);
  ~TGuiControlButtonBump() override;

  void Show() override;
  void Hide() override;
  void MouseEnter() override;
  void MouseDown() override;
  void Refresh() override;

  TSprite* Sprite = nullptr;
  TText* TextItem = nullptr;
  float FontSize = 0;
  uint8_t Alignment = 0;

 protected:
  // The radio option builds itself from its own style table.
  TGuiControlButtonBump(const std::string& Name, const std::string& Group, TGuiClickHandler OnClick,
                        float Left, float Top, float Width, float Height, int32_t Layer);
  void ApplyStyle(float NewFontSize, int32_t NewFrame, int32_t CaptionId);
  // Where the picture sits now: moved by (2, 2) while a push button is held.
  virtual TVector2 SpritePosition() const;
  virtual const std::string& DisplayText();
};

class TGuiControlButtonBumpSel : public TGuiControlButtonBump {
 public:
  TGuiControlButtonBumpSel(const std::string& Name, int32_t Style, const std::string& Group,
                           int32_t CaptionId, TGuiClickHandler OnClick, float Left, float Top,
                           int32_t Layer);

  void MouseDown() override;

 protected:
  TVector2 SpritePosition() const override;
  const std::string& DisplayText() override;

 private:
  std::string MarkedCaption;
};
