// Lettering from bitmap fonts: a font is a texture whose segment c is the glyph of character
// code c, and a TText owns one sprite per character, laid out inside a box. Lines break only
// at character 13; a line or block that does not fit its box is squeezed to fit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineClasses.h"
#include "engine/EngineTimer.h"

class TRenderer;
class TSprite;
class TTexture;

struct TCharacter {
  TVector2 Offset;  // centre relative to the text's Position, at scale 1
  TSprite* Sprite = nullptr;
};

class TText : public TContainerItem {
 public:
  explicit TText(TRenderer* Owner) : Owner(Owner) {}

  void Added(TContainer* Container, void* Data) override;
  void Removed(TContainer* Container) override;

  void SetText(const std::string& S);
  void SetPosition(const TVector2& P);
  void SetScale(float F);
  void SetColor(uint32_t RGB);
  void SetAlpha(float A);

  std::string Text;
  float Size = 1;
  uint8_t Alignment = 0;  // 3 x 3 grid read row by row: 0 top-left ... 8 bottom-right
  float Spacing = 4;
  int32_t Layer = 0;
  TVector2 Position;
  TVector2 BoxSize;
  float Scale = 1;
  uint32_t Color = 0xFFFFFF;
  float Alpha = 1;
  TTexture* Font = nullptr;
  std::vector<TCharacter> Characters;

 private:
  void ResizeCharacters(size_t Old, size_t New);
  void Layout();
  void FinishLine(size_t Last, size_t InLine, float PenX);
  void PlaceVertically(int32_t Lines, float LineHeight);
  TRenderer* Owner;
};

class TTexts {
 public:
  // A pool of Register.TextPoolSize texts drawing through Owner's sprites.
  explicit TTexts(TRenderer* Owner);
  TTexts();  // through the Renderer singleton
  ~TTexts();
  TTexts(const TTexts&) = delete;
  TTexts& operator=(const TTexts&) = delete;

  // Both do nothing when Text is already assigned.
  void CreateText(TText*& Text, int32_t Layer, const TVector2& BoxSize, float Size,
                  uint8_t Alignment);
  void CreateIconText(TText*& Text, int32_t Layer, const TVector2& BoxSize, float Size,
                      uint8_t Alignment);
  void FreeText(TText*& Text);

  std::unique_ptr<TContainer> Items;

 private:
  void Take(TText*& Text, int32_t Layer, const TVector2& BoxSize, float Size,
            uint8_t Alignment, const std::string& FontName);
  TRenderer* Owner;
};

extern TTexts* Texts;
