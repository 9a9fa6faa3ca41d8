// The game's cursor: the system arrow shows the pointer; this object follows it in logical
// coordinates and drops a click ring wherever the button goes down.
#pragma once

#include <string>

#include "engine/EngineGui.h"

class TGuiCursorStandard : public TGuiCursor {
 public:
  explicit TGuiCursorStandard(const std::string& Name) : TGuiCursor(Name) {}
  void Update() override;
};
