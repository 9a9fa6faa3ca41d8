// The mission screen's unit. For now it holds the particle emitters the mission screen, the
// click ring of the cursor and the end-of-mission fireworks use.
#pragma once

// Registers "ClickWave", "DustyJob", "Demolish", "Upgrade" and "Fireworks1" to "Fireworks5"
// with Particles. Called once at start-up, right after the particle system exists.
void SetupMissionEffects();
