// The look every dialog shares: a half-transparent cover that dims the screen behind it and a
// panel picture the dialog's own controls sit on.
#pragma once

#include <string>

#include "engine/EngineGui.h"

// Seconds each dialog takes to fade in and to fade out.
constexpr float kDialogFadeTime = 0.3f;

// Adds the dimming cover (layer -2000) and the panel picture (layer -1000) to Dialog.
void AddDialogFrame(TGuiDialog& Dialog, const std::string& Panel, float Left, float Top,
                    float Width, float Height);

// Runs the handler a screen left in DialogCallback, then closes the dialog. The handler is
// taken out first, so whatever it sets up for the next dialog is not undone here.
void ConfirmDialog(TGuiControl* Sender);
