// `plotstead --check-data`: loads every picture, font, particle path and sound sample the game
// names, prints one line per failure as the error log would word it and a summary, and
// returns 1 when anything failed (0 otherwise). Writes no file.
#pragma once

int RunCheckData();
