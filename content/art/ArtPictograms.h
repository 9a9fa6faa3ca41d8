// Small pictures used in many places: font icon glyphs, action icons, license pictures,
// trophy emblems and signs. Each is drawn in a 100 x 100 box; the renderer adds a dark rim
// and a soft shadow so it reads on any background.
#pragma once

#include "ArtCore.h"

namespace art {

enum class Pict {
  Coin, Coins, Bricks, HardHat, Certificate, Check, Cross, Missing, Smile, Frown, House, Block,
  Envelope, Basket, Cutlery, Tree, Slide, Fountain, People, Clock, GoldMedal, SilverMedal,
  Hourglass, Flag, Trophy, Star, MarkRight, MarkLeft, Ring, RingCheck, WorkerPlus, Wrench,
  WreckingBall, Shovel, Cottage, HouseChimney, Villa, Block3, Block4, Block5, Magnifier,
  StarUp, Flower, Shield, Antenna, Extinguisher, Bank, Bread, Cup, Palm, Ball, FerrisWheel,
  Pause, Play, Restart, Gear, Exit, Question, RentClock, Stars1, Stars2, Stars3, Inspected,
  Balloons, Shears, Padlock, Worker, Count
};

enum class PictStyle {
  Colour,  // natural colours
  Light,   // white and pale tones, for coloured buttons
  Grey,    // the colour picture greyed, for disabled states
};

// Draws the pictogram into the square (x, y, size) with its rim and shadow.
void DrawPictogram(cairo_t* cr, Pict pict, double x, double y, double size,
                   PictStyle style = PictStyle::Colour, double rim = -1);
// The same picture as its own surface of Size x Size pixels.
Surface PictogramSurface(Pict pict, int size, PictStyle style = PictStyle::Colour, double rim = -1);

}  // namespace art
