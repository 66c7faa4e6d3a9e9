# A private desktop session for driving and measuring the real program: an Xvfb display, a
# PulseAudio daemon with null sinks, recorders of those sinks, the program itself, and
# helpers to find its windows, click, type and take screenshots. Everything it starts is
# stopped by session_end, which session_begin installs as the exit trap.
#
#   . tools/lib/session.sh
#   session_begin
#   session_start_display
#   session_start_sound stream
#   session_record stream "$SESSION_DIR/stream.raw"
#   session_launch_korvel "$workdir"
#
# Needs bash. Works as root without a display or a sound server of the caller's.

SESSION_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
SESSION_DIR=""
SESSION_PIDS=()         # stopped in reverse order at the end
SESSION_PULSE_PID=""
SESSION_XVFB_PID=""
SESSION_KORVEL_PID=""
SESSION_SHOTS=""        # where session_shot puts its pictures
SESSION_SHOT_COUNT=0
SESSION_ON_END=""       # a command run first by session_end, with the exit status in $1

session_fail() {
  echo "session: $*" >&2
  exit 2
}

session_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || session_fail "$tool is missing (tools/install-deps installs it)"
  done
}

session_begin() {
  SESSION_DIR="$(mktemp -d -t korvel-session.XXXXXX)"
  SESSION_SHOTS="$SESSION_DIR/shots"
  mkdir -p "$SESSION_SHOTS"
  trap 'session_end $?' EXIT
  trap 'exit 130' INT TERM
}

session_end() {
  local status="${1:-0}"
  trap - EXIT
  if [ -n "$SESSION_ON_END" ]; then
    "$SESSION_ON_END" "$status" || true
  fi
  local i pid
  for ((i = ${#SESSION_PIDS[@]} - 1; i >= 0; i--)); do
    pid="${SESSION_PIDS[i]}"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  SESSION_PIDS=()
  if [ -n "$SESSION_PULSE_PID" ]; then
    kill "$SESSION_PULSE_PID" 2>/dev/null || true
    # The daemon forked away from us, so it cannot be waited for: poll until it has gone.
    for _ in $(seq 50); do kill -0 "$SESSION_PULSE_PID" 2>/dev/null || break; sleep 0.1; done
  fi
  [ -n "$SESSION_DIR" ] && rm -rf "$SESSION_DIR"
  exit "$status"
}

# Runs a command in a session of its own and remembers it for the clean-up.
session_spawn() {
  setsid "$@" &
  SESSION_PIDS+=("$!")
  SESSION_LAST_PID=$!
}

# As root, raises the scheduling group of a process that runs in a session of its own: with
# autogroup scheduling a plain nice value only counts within a session, and the machine may
# be busy with other work while the program, the sound server and the recorders are timed.
session_boost() {
  if [ "$(id -u)" -eq 0 ] && [ -w "/proc/$1/autogroup" ]; then
    echo -15 >"/proc/$1/autogroup" 2>/dev/null || true
  fi
}

# Polls a command until it succeeds or `seconds` have passed.
session_poll() {
  local seconds="$1"
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

# An Xvfb on a display number it picks itself; exports DISPLAY.
session_start_display() {
  session_require Xvfb xdotool import
  local number_file="$SESSION_DIR/display"
  session_spawn Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number_file" 2>"$SESSION_DIR/xvfb.log"
  SESSION_XVFB_PID=$SESSION_LAST_PID
  session_poll 20 test -s "$number_file" || { cat "$SESSION_DIR/xvfb.log" >&2; session_fail "Xvfb did not start"; }
  export DISPLAY=":$(head -n 1 "$number_file")"
  session_poll 20 xdotool getmouselocation >/dev/null 2>&1 || session_fail "display $DISPLAY does not answer"
  session_spanish_keys
}

# A US keymap with the Spanish letters on keys of their own. xdotool otherwise maps a missing
# letter onto a spare key for one stroke and maps it back at once, and the program, reading the
# new mapping late, now and then drops the letter.
session_spanish_keys() {
  session_require xkbcomp
  xkbcomp -w 0 - "$DISPLAY" 2>/dev/null <<'KEYMAP'
xkb_keymap {
  xkb_keycodes { include "evdev+aliases(qwerty)" };
  xkb_types { include "complete" };
  xkb_compat { include "complete" };
  xkb_symbols {
    include "pc+us+inet(evdev)"
    key <FK13> { [ aacute, Aacute ] };
    key <FK14> { [ eacute, Eacute ] };
    key <FK15> { [ iacute, Iacute ] };
    key <FK16> { [ oacute, Oacute ] };
    key <FK17> { [ uacute, Uacute ] };
    key <FK18> { [ ntilde, Ntilde ] };
    key <FK19> { [ udiaeresis, Udiaeresis ] };
  };
  xkb_geometry { include "pc(pc105)" };
};
KEYMAP
}

# A PulseAudio daemon of our own with one null sink per name given, the first the default.
# Its runtime, cookie and socket live under SESSION_DIR, so it collides with no other
# PulseAudio on the machine, and it works as root too.
session_start_sound() {
  session_require pulseaudio pactl parec
  local run="$SESSION_DIR/run"
  mkdir -p "$run/pulse" "$SESSION_DIR/home"
  chmod 700 "$run"
  export XDG_RUNTIME_DIR="$run" PULSE_RUNTIME_PATH="$run/pulse" HOME="$SESSION_DIR/home"
  export PULSE_SERVER="unix:$run/pulse/native"
  local loads=() sink
  for sink in "$@"; do loads+=("--load=module-null-sink sink_name=$sink"); done
  pulseaudio -D --system=false --exit-idle-time=-1 -n "${loads[@]}" \
    --load="module-native-protocol-unix" 2>"$SESSION_DIR/pulseaudio.log" ||
    { cat "$SESSION_DIR/pulseaudio.log" >&2; session_fail "PulseAudio did not start"; }
  session_poll 10 pactl info >/dev/null 2>&1 || { cat "$SESSION_DIR/pulseaudio.log" >&2; session_fail "PulseAudio does not answer"; }
  SESSION_PULSE_PID="$(cat "$PULSE_RUNTIME_PATH/pid")"
  session_boost "$SESSION_PULSE_PID"
  pactl set-default-sink "$1"
}

# Records a sink's monitor as raw signed 16-bit mono at 44100 Hz; sets SESSION_LAST_PID.
session_record() {
  setsid parec -d "$1.monitor" --format=s16le --rate=44100 --channels=1 --latency-msec=50 >"$2" &
  SESSION_PIDS+=("$!")
  SESSION_LAST_PID=$!
  session_boost "$SESSION_LAST_PID"
}

# Stops a process started here (a recorder writes what it holds) and forgets it, so that the
# clean-up never signals a process id the system has handed out again.
session_stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  session_forget "$1"
}

# Forgets a process started here that has ended by itself.
session_forget() {
  local kept=() pid
  for pid in "${SESSION_PIDS[@]}"; do
    [ "$pid" = "$1" ] || kept+=("$pid")
  done
  SESSION_PIDS=("${kept[@]}")
}

# Starts build/bin/korvel (or KORVEL_BINARY) in the given working directory.
session_launch_korvel() {
  local binary="${KORVEL_BINARY:-$SESSION_ROOT/build/bin/korvel}"
  [ -x "$binary" ] || session_fail "no program at $binary (build first)"
  session_spawn bash -c 'cd "$1" && exec "$2"' korvel "$1" "$binary"
  SESSION_KORVEL_PID=$SESSION_LAST_PID
  session_boost "$SESSION_KORVEL_PID"
}

# The id of the visible window whose caption matches an extended regular expression,
# waiting up to `seconds` (default 30).
session_window() {
  local pattern="$1" seconds="${2:-30}" id
  id="$(timeout "$seconds" xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)" ||
    true
  [ -n "$id" ] || { session_shot "missing-window" >/dev/null; session_fail "no window matching '$pattern' after ${seconds}s"; }
  echo "$id"
}

# The screen position of a window's client origin (no window manager: the window is its client).
session_origin() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y)=')"
  x=$X y=$Y
  echo "$x $y"
}

# Clicks at client coordinates of a window; a third argument "double" double-clicks.
session_click() {
  local window="$1" cx="$2" cy="$3" repeat=1 origin
  [ "${4:-}" = double ] && repeat=2
  read -r -a origin <<<"$(session_origin "$window")"
  xdotool mousemove --sync $((origin[0] + cx)) $((origin[1] + cy)) click --repeat "$repeat" --delay 80 1
}

# Types text into the focused widget, accents included.
session_type() {
  xdotool type --delay 40 -- "$1"
}

session_key() {
  xdotool key "$@"
}

# A picture of the whole screen, numbered in the order taken; prints its path.
session_shot() {
  SESSION_SHOT_COUNT=$((SESSION_SHOT_COUNT + 1))
  local file
  file="$SESSION_SHOTS/$(printf '%02d' "$SESSION_SHOT_COUNT")-$1.png"
  import -window root "$file" 2>/dev/null || true
  echo "$file"
}

# A picture of one window only.
session_window_shot() {
  import -window "$1" "$2" 2>/dev/null
}

# Beep onsets in a raw recording, in milliseconds with two decimals, one a line: the first
# sample above the threshold after at least 50 ms of quiet, kept when the sound lasts 100 ms.
session_beep_onsets() {
  od -An -v -t d2 -w2 "$1" | awk -v rate=44100 -v threshold=1000 '
    function flush() { if (start >= 0 && last - start >= rate / 10) printf "%.2f\n", start * 1000 / rate }
    BEGIN { start = -1; last = -100000 }
    {
      v = $1 < 0 ? -$1 : $1
      if (v > threshold) {
        if (NR - 1 - last > rate / 20) { flush(); start = NR - 1 }
        last = NR - 1
      }
    }
    END { flush() }'
}
