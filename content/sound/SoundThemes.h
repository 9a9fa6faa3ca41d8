// The three music themes, each one period of a seamless stereo loop at 44.1 kHz,
// not yet levelled (the caller sets the loudness of all sounds together).
#pragma once

#include "SoundDsp.h"

namespace sound {

Stereo ComposeThemeMenu();  // calm and inviting: F major, 80 BPM, flute over piano arpeggios
Stereo ComposeTheme1();     // light and busy: G major, 116 BPM, marimba, bass, drums, piano lead
Stereo ComposeTheme2();  // light and busy: D major shuffle, 96 BPM, whistle, strums and pizzicato

}  // namespace sound
