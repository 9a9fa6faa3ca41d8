#include "engine/OrmelGuiCursors.h"

#include <climits>

#include "engine/EngineInput.h"
#include "engine/EngineParticles.h"

namespace {

// Above every form, transition and dialog.
constexpr int32_t kClickWaveLayer = INT32_MAX - 10;

}  // namespace

void TGuiCursorStandard::Update() {
  if (!Input || !Particles) return;
  if (Input->MouseDown && !Input->MouseWasDown)
    Particles->StartEffect(this, "ClickWave", {X, Y}, kClickWaveLayer, 1.0f, 1.0f);
}
