#!/usr/bin/env bash
# The known sprite scene drawn in a real SDL window (accelerated renderer) on a private X
# server, compared with the same expected picture as the off-screen drawing.
set -euo pipefail
TESTS="${PLOTSTEAD_BIN_DIR:?}/../tests"
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: scripts/test installs xvfb"; exit 1; }
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x800x24" \
  "$TESTS/render_scene_test" --gtest_filter='*RealWindow*' 2>&1 | tee /dev/stderr | grep -q '\[  PASSED  \] 1 test'
