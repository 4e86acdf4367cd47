# Shared steps of the end-to-end tests. Each test runs on a virtual display of
# its own (scripts/with-xvfb) with a settings folder of its own.
set -euo pipefail

: "${GLINTFALL:?path of the glintfall program}"
export XDG_CONFIG_HOME
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_RUNTIME_DIR="$XDG_CONFIG_HOME/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export GLINTFALL_SOUNDFONT="${GLINTFALL_SOUNDFONT:-/usr/share/sounds/sf2/TimGM6mb.sf2}"
ini="$XDG_CONFIG_HOME/Glintfall/Glintfall.ini"
pid=""

cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$XDG_CONFIG_HOME"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the program in the background with the given switch.
start() {
  "$GLINTFALL" "$@" >"$XDG_CONFIG_HOME/out.log" 2>&1 &
  pid=$!
}

# Waits up to $2 seconds (default 10) for a visible window of the program;
# prints its id.
wait_window() {
  local deadline=$((SECONDS + ${1:-10})) id
  while [ $SECONDS -lt $deadline ]; do
    id="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)"
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || fail "the program ended before showing a window"
    sleep 0.1
  done
  fail "no window within ${1:-10} s"
}

# Succeeds when the program has ended within $1 whole seconds.
ends_within() {
  for _ in $(seq $(($1 * 10))); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; pid=""; return 0; }
    sleep 0.1
  done
  return 1
}

alive() { kill -0 "$pid" 2>/dev/null; }

# Writes the factory store by letting the saver start once, then edits keys:
# set_keys Key=Value ...
set_keys() {
  local pair
  for pair in "$@"; do
    sed -i "s/^${pair%%=*}=.*/${pair}/" "$ini"
  done
}

# Runs the saver with the first background alone and screenshots it to $1.
background_screenshot() {
  set_keys BG1=0 BG2=0 BG3=0 BG4=0 ShowXmas=0 Layer1=0 Layer2=0 Layer3=0 Border=0 CountDown=0 \
           ShowMsg=0 Calendar=0
  start /s
  wait_window >/dev/null
  sleep 2
  import -window root "$1"
  xdotool key Escape
  ends_within 2 || fail "the saver did not end"
}

first_start() {
  start /s
  wait_window >/dev/null
  xdotool key Escape
  ends_within 3 || fail "the saver did not end on Escape"
  [ -f "$ini" ] || fail "no settings file after the first start"
}
