#!/usr/bin/env bash
# `plotstead --check-data` end to end: every failure listed and exit 1 on an empty data
# folder; no failure and exit 0 on the content the build generated, when it was generated.
set -uo pipefail
BIN="${PLOTSTEAD_BIN_DIR:?}/plotstead"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/data/Languages/English" "$WORK/user"
: >"$WORK/data/Languages/English/Language.txt"
fail() { echo "FAILED: $*"; exit 1; }

PLOTSTEAD_DATA="$WORK/data" "$BIN" --check-data --user-dir "$WORK/user" >"$WORK/empty.txt"
status=$?
[ "$status" -eq 1 ] || fail "exit $status on an empty data folder"
grep -qx 'Failed to create texture "Blank" (Missing file)' "$WORK/empty.txt" || fail "no line for Blank"
grep -qx 'Failed to create path "Final" (Missing file)' "$WORK/empty.txt" || fail "no line for Final"
tail -1 "$WORK/empty.txt" | grep -Eq '^Checked [0-9]+ textures, 2 fonts, 1 path and [0-9]+ samples: [0-9]+ failures$' ||
  fail "summary: $(tail -1 "$WORK/empty.txt")"
[ ! -e "$WORK/user/Error.log" ] || fail "the check wrote Error.log"

if [ -d "${PLOTSTEAD_BIN_DIR}/Textures" ] && [ -d "${PLOTSTEAD_BIN_DIR}/Samples" ]; then
  "$BIN" --check-data --user-dir "$WORK/user" >"$WORK/content.txt"
  status=$?
  cat "$WORK/content.txt"
  [ "$status" -eq 0 ] || fail "the generated content has failures"
else
  echo "no generated content in ${PLOTSTEAD_BIN_DIR}; only the empty folder was checked"
fi
echo "check-data: ok"
