#include "engine/EngineTexts.h"

#include <gmock/gmock.h>

#include "EngineRendererFixture.h"

namespace {

// A font whose line height is 20 and whose glyphs have easy widths (the 4 units of spacing
// included): A 52, B 30, W 103, code 8 12, blank 14; every other code 0 wide.
class TextTest : public RendererTest {
 public:
  void SetUp() override {
    RendererTest::SetUp();
    const std::string Font = TDdsFile::Argb(8, 8, std::vector<uint32_t>(64, ~0u)).Bytes();
    const std::string Glyphs =
        "SEGMENTS = 256\nSEGMENT0 = 0, 0, 0, 20\nSEGMENT65 = 0, 0, 52, 20\n"
        "SEGMENT66 = 0, 0, 30, 20\nSEGMENT87 = 0, 0, 103, 20\nSEGMENT8 = 0, 0, 12, 20\n"
        "SEGMENT32 = 0, 0, 14, 20\n";
    WriteFile("Textures/DefaultFont.dds", Font);
    WriteFile("Textures/DefaultFont.tsg", Glyphs);
    WriteFile("Textures/IconsFont.dds", Font);
    MakeRenderer();
    Texts = new TTexts();
  }

  void TearDown() override {
    delete Texts;
    Texts = nullptr;
    RendererTest::TearDown();
  }

  TText* Make(const std::string& S, TVector2 Box, uint8_t Alignment, float Size = 1) {
    TText* T = nullptr;
    Texts->CreateText(T, 5, Box, Size, Alignment);
    T->SetText(S);
    return T;
  }

  // Left and right edge of character i, relative to the text's position.
  static std::pair<float, float> Span(TText* T, size_t i) {
    const TCharacter& C = T->Characters[i];
    return {C.Offset.X - C.Sprite->Size.X / 2, C.Offset.X + C.Sprite->Size.X / 2};
  }

  std::vector<TContainerItem*> DrawOrder() {
    std::vector<TContainerItem*> Order;
    Renderer->Sprites->ForEach([&](TContainerItem* Item) { Order.push_back(Item); });
    return Order;
  }
};

}  // namespace

TEST_F(TextTest, LinesAreAlignedInTheirBox) {
  struct TCase {
    uint8_t Alignment;
    float Left, Right;  // edges of the line of width 100 in a box 300 wide
    float FirstY;
  };
  // Rows of the grid: top, middle, bottom of a box 50 high for one line 20 high.
  const TCase Cases[] = {{0, -150, -50, -15}, {1, -50, 50, -15}, {2, 50, 150, -15},
                         {3, -150, -50, 0},   {4, -50, 50, 0},   {5, 50, 150, 0},
                         {6, -150, -50, 15},  {7, -50, 50, 15},  {8, 50, 150, 15},
                         {9, 50, 150, 15}};
  for (const TCase& Case : Cases) {
    TText* T = Make("AA", {300, 50}, Case.Alignment);
    EXPECT_FLOAT_EQ(Span(T, 0).first, Case.Left) << int(Case.Alignment);
    EXPECT_FLOAT_EQ(Span(T, 1).second, Case.Right) << int(Case.Alignment);
    EXPECT_FLOAT_EQ(T->Characters[0].Offset.Y, Case.FirstY) << int(Case.Alignment);
    EXPECT_FLOAT_EQ(T->Characters[0].Sprite->Size.X, 52);
    Texts->FreeText(T);
  }
}

TEST_F(TextTest, TooWideLinesAreSqueezedToTheBox) {
  for (uint8_t Alignment : {0, 4, 8}) {
    TText* T = Make("WWWW", {300, 50}, Alignment);  // 400 wide
    EXPECT_FLOAT_EQ(Span(T, 0).first, -150) << int(Alignment);
    EXPECT_FLOAT_EQ(Span(T, 3).second, 150);
    EXPECT_FLOAT_EQ(T->Characters[1].Sprite->Size.X, 77.25f);
    EXPECT_FLOAT_EQ(T->Characters[1].Sprite->Size.Y, 20);
    EXPECT_FLOAT_EQ(T->Characters[1].Offset.X, 0.75f * (99 + 51.5f) - 150);
    Texts->FreeText(T);
  }
}

TEST_F(TextTest, LineBreaksAndTooTallBlocks) {
  TText* T = Make("A\rB", {300, 50}, 0);
  ASSERT_EQ(T->Characters.size(), 3u);
  EXPECT_FLOAT_EQ(T->Characters[0].Offset.Y, -15);
  EXPECT_FLOAT_EQ(T->Characters[2].Offset.Y, 5);
  EXPECT_FLOAT_EQ(Span(T, 2).first, -150);  // the second line starts at the left again
  EXPECT_FALSE(T->Characters[1].Sprite->Visible);

  TText* Tall = Make("A\rA\rA", {300, 30}, 4);  // 60 high in 30: halved
  EXPECT_FLOAT_EQ(Tall->Characters[0].Offset.Y, 0.5f * 10 - 15);
  EXPECT_FLOAT_EQ(Tall->Characters[4].Offset.Y, 0.5f * 50 - 15);
  EXPECT_FLOAT_EQ(Tall->Characters[4].Sprite->Size.Y, 10);
  EXPECT_FLOAT_EQ(Tall->Characters[4].Sprite->Size.X, 52);
}

TEST_F(TextTest, BackStepAndInvisibleCodes) {
  TText* T = Make(std::string("A\bB ") + '\0', {1000, 50}, 0);
  // After A the pen is at 48; code 8 steps back by 12 - 4, so B starts at 40.
  EXPECT_FLOAT_EQ(Span(T, 2).first, 40 - 500);
  const bool Visible[] = {true, false, true, false, false};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(T->Characters[i].Sprite->Visible, Visible[i]) << i;
  EXPECT_EQ(T->Characters[2].Sprite->Segment, 'B');
}

TEST_F(TextTest, ChangedStringsReuseTheirSprites) {
  TText* T = Make("AB", {300, 50}, 0);
  TSprite* A = T->Characters[0].Sprite;
  TSprite* B = T->Characters[1].Sprite;
  const int Before = Renderer->Sprites->Count;
  T->SetText("XAB");
  ASSERT_EQ(T->Characters.size(), 3u);
  EXPECT_EQ(T->Characters[1].Sprite, A);
  EXPECT_EQ(T->Characters[2].Sprite, B);
  EXPECT_EQ(A->Segment, 'A');
  EXPECT_EQ(B->Segment, 'B');
  EXPECT_EQ(T->Characters[0].Sprite->Segment, 'X');
  EXPECT_EQ(Renderer->Sprites->Count, Before + 1);
  // The array order is the draw order: later characters are drawn over earlier ones.
  EXPECT_THAT(DrawOrder(), ::testing::ElementsAre(T->Characters[0].Sprite, A, B));

  T->SetText("W");
  EXPECT_EQ(T->Characters[0].Sprite->Segment, 'W');
  EXPECT_EQ(Renderer->Sprites->Count, 1);
  T->SetText("");
  EXPECT_TRUE(T->Characters.empty());
  EXPECT_EQ(Renderer->Sprites->Count, 0);
  T->SetText("");
  EXPECT_EQ(Renderer->Sprites->Count, 0);
}

TEST_F(TextTest, PositionScaleColourAndAlphaReachEverySprite) {
  TText* T = Make("A", {72, 20}, 5);  // its one character sits at offset (10, 0)
  ASSERT_FLOAT_EQ(T->Characters[0].Offset.X, 10);
  ASSERT_FLOAT_EQ(T->Characters[0].Offset.Y, 0);
  T->SetPosition({100, 100});
  TSprite* S = T->Characters[0].Sprite;
  EXPECT_FLOAT_EQ(S->Position.X, 110);
  T->SetScale(2);
  EXPECT_FLOAT_EQ(S->Position.X, 120);
  EXPECT_FLOAT_EQ(S->Position.Y, 100);
  EXPECT_EQ(S->Scale, 2);
  T->SetColor(0xFF123456);
  T->SetAlpha(0.5f);
  EXPECT_EQ(S->Color, 0x80123456u);
  T->SetText("AB");  // a new sprite takes the text's current look
  TSprite* New = T->Characters[0].Sprite;
  EXPECT_EQ(New->Color, 0x80123456u);
  EXPECT_EQ(New->Scale, 2);
  EXPECT_EQ(New->Texture, T->Font);
  EXPECT_FLOAT_EQ(New->Position.X, 100 + 2 * T->Characters[0].Offset.X);
  T->SetPosition({0, 0});
  EXPECT_FLOAT_EQ(S->Position.X, 2 * T->Characters[1].Offset.X);
}

TEST_F(TextTest, PooledTextsStartFreshAndFreeTheirSprites) {
  TText* T = nullptr;
  Texts->CreateText(T, 3, {100, 20}, 2, 4);
  TText* First = T;
  Texts->CreateText(T, 9, {1, 1}, 1, 0);  // already assigned: nothing happens
  EXPECT_EQ(T, First);
  EXPECT_EQ(T->Layer, 3);
  EXPECT_EQ(T->Size, 2);
  EXPECT_EQ(T->Font, Renderer->GetTexture("DefaultFont"));
  T->SetScale(3);
  T->SetColor(0x00FF00);
  T->SetText("AB");
  Texts->FreeText(T);
  EXPECT_EQ(T, nullptr);
  EXPECT_EQ(Renderer->Sprites->Count, 0);

  std::vector<TText*> Many(5, nullptr);  // more than the pool holds
  for (TText*& Item : Many) Texts->CreateIconText(Item, 7, {50, 20}, 1, 0);
  EXPECT_EQ(Texts->Items->Count, 5);
  EXPECT_EQ(Many[0]->Font, Renderer->GetTexture("IconsFont"));
  for (TText* Item : Many) {
    EXPECT_EQ(Item->Scale, 1);
    EXPECT_EQ(Item->Color, 0xFFFFFFu);
    EXPECT_EQ(Item->Alpha, 1);
    EXPECT_TRUE(Item->Text.empty());
  }
  Many[0]->SetText("AAA");
  EXPECT_EQ(Many[0]->Characters[0].Sprite->Layer, 7);
  EXPECT_TRUE(Log().empty()) << Log()[0];
}
