#!/usr/bin/env bash
# Whole-program runs of the headless game: normal ends, failed starts, bad scripts and the
# files each one leaves in the user folder.
set -u
GAME="${PLOTSTEAD_BIN_DIR:?}/plotstead"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
FAILURES=0

fail() {
  echo "FAIL: $*"
  FAILURES=$((FAILURES + 1))
}

# run NAME EXPECTED_EXIT ARGS...: runs the game and checks its exit status.
run() {
  local name="$1" expected="$2"
  shift 2
  timeout 60 "$GAME" "$@" >"$WORK/$name.out" 2>&1
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$name: exit status $status, expected $expected ($(tail -3 "$WORK/$name.out"))"
}

# 1. Ten frames: a normal end writes the settings and no log.
run frames 0 --headless --user-dir "$WORK/u1" --frames 10
[ -f "$WORK/u1/Game.ini" ] || fail "frames: no Game.ini"
[ -e "$WORK/u1/Error.log" ] && fail "frames: Error.log left behind"
grep -q '^FullScreen=1' "$WORK/u1/Game.ini" || fail "frames: FullScreen missing from Game.ini"

# 2. Unknown sections and keys of Game.ini survive a run that changes a known key.
cat >"$WORK/u1/Game.ini" <<'EOF'
[RENDERER]
FullScreen=1
Shader=fancy

[MODS]
Enabled=yes
EOF
cat >"$WORK/toggle.txt" <<'EOF'
wait 1    # the first frame only takes the state of the keys
key F11   # to windowed mode
wait 2
EOF
run toggle 0 --headless --user-dir "$WORK/u1" --script "$WORK/toggle.txt"
grep -q '^FullScreen=0' "$WORK/u1/Game.ini" || fail "toggle: F11 not stored"
grep -q '^Shader=fancy' "$WORK/u1/Game.ini" || fail "toggle: unknown key lost"
grep -q '^\[MODS\]' "$WORK/u1/Game.ini" || fail "toggle: unknown section lost"

# 3. No languages: the start fails with the reason in the log, and the log is removed by the
# next clean run.
mkdir -p "$WORK/nodata"
PLOTSTEAD_DATA="$WORK/nodata" run nolanguage 1 --headless --user-dir "$WORK/u2" --frames 10
grep -q 'No language found' "$WORK/u2/Error.log" 2>/dev/null || fail "nolanguage: reason not in Error.log"
mkdir -p "$WORK/nodata/Languages/Empty"
PLOTSTEAD_DATA="$WORK/nodata" run emptylanguage 1 --headless --user-dir "$WORK/u2" --frames 1
grep -q 'No language found' "$WORK/u2/Error.log" 2>/dev/null || fail "emptylanguage: reason not in Error.log"
run recovered 0 --headless --user-dir "$WORK/u2" --frames 1
[ -e "$WORK/u2/Error.log" ] && fail "recovered: old Error.log not removed"

# 4. A bad script line stops the run before a frame, naming the line.
printf 'wait 2\n# fine so far\nklick 10 10\nquit\n' >"$WORK/bad.txt"
run badscript 2 --headless --user-dir "$WORK/u3" --script "$WORK/bad.txt"
grep -q 'Script line 3: unknown command "klick"' "$WORK/u3/Error.log" 2>/dev/null ||
  fail "badscript: line not in Error.log"
grep -q 'Script line 3' "$WORK/badscript.out" || fail "badscript: line not on standard error"
run noscript 2 --headless --user-dir "$WORK/u3" --script "$WORK/missing.txt"
grep -q 'Failed to read script' "$WORK/u3/Error.log" 2>/dev/null || fail "noscript: not in Error.log"

# 5. Command-line mistakes touch no file.
run badoption 2 --headless --user-dir "$WORK/u4" --frames ten
run endless 2 --headless --user-dir "$WORK/u4"
[ -e "$WORK/u4" ] && fail "bad command lines created the user folder"
run help 0 --help
grep -q -- '--user-dir DIR' "$WORK/help.out" || fail "help: options not listed"

# 6. A headless run asked to stop ends like a closed window (headless frames take
# microseconds, so the wait is long).
printf 'wait 2000000000\n' >"$WORK/long.txt"
"$GAME" --headless --user-dir "$WORK/u5" --script "$WORK/long.txt" >"$WORK/term.out" 2>&1 &
PID=$!
sleep 1
kill -TERM "$PID"
wait "$PID"
STATUS=$?
[ "$STATUS" -eq 0 ] || fail "term: exit status $STATUS"
[ -f "$WORK/u5/Game.ini" ] || fail "term: no Game.ini"

# 7. A user folder that cannot be created: a clear message, no crash.
touch "$WORK/blocker"
timeout 60 "$GAME" --headless --user-dir "$WORK/blocker/user" --frames 2 >"$WORK/blocked.out" 2>&1
STATUS=$?
[ "$STATUS" -lt 128 ] || fail "blocked: crashed with status $STATUS"
grep -q 'Game.ini' "$WORK/blocked.out" || fail "blocked: no message about Game.ini"

[ "$FAILURES" -eq 0 ] && echo "all headless shell runs passed"
exit $((FAILURES > 0))
