#include "engine/EngineResourceNames.h"

const TResourceNames& ResourceNames() {
  static const TResourceNames Names{
      // Textures
      {"Blank", "FormMenu", "FormPanel", "FormMission", "GameLogo", "Dialog66", "Dialog68",
       "Dialog100", "Talk", "Faces", "Arrows", "Buttons", "Dot", "Selector", "Damage",
       "Progress", "Particles", "ActionButtonColors", "ActionButtonIcons", "LicenseIcons",
       "Trophies", "Chapters", "Splash1"},
      // Fonts
      {"DefaultFont", "IconsFont"},
      // Particle paths
      {"Final"},
      // Sound samples
      {"ThemeMenu", "Theme1", "Theme2", "Focus", "Click", "Switch", "Key", "Select",
       "Collected", "Delivered", "Trained", "Damage", "Finish1", "Finish2", "Finish3", "Gong",
       "Demolish", "Constructing", "Demolishing", "Clearing1", "Clearing2", "Fireworks"},
  };
  return Names;
}
