#!/usr/bin/env bash
# The real program driven as a coach uses it, on a private display and sound server: three
# players typed in, an effort test from period 1 without warm-up, the second player stopped
# after the first station beep, the test ended and the table exported through the save dialog
# with the proposed name. Checks the export file byte for byte where its values are known, and
# the interval between the start beep and the first station beep in the recorded sound.
#
#   tests/test_end_to_end.sh [--binary PATH] [--artifacts DIR] [--keep] [--attempts N]
#
# With --attempts N a failed run is repeated, up to N runs in all: on a heavily loaded machine
# the sound server and the recorder are now and then held up, which shifts the recording by
# some milliseconds however well the program plays; a fault of the program fails every run.
#
# The program is build/bin/korvel unless given. On failure, or always with --keep, the
# screenshots of every step, the recording, the export and the logs are kept in DIR
# (default build/e2e-artifacts).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../tools/lib/session.sh"
. "$here/../tools/lib/main-window.sh"

artifacts="$SESSION_ROOT/build/e2e-artifacts"
keep=0
attempts=1
arguments=("$@")
while [ $# -gt 0 ]; do
  case "$1" in
    --artifacts) artifacts="$2"; shift ;;
    --binary) export KORVEL_BINARY="$2"; shift ;;
    --keep) keep=1 ;;
    --attempts) attempts="$2"; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

if [ "$attempts" -gt 1 ]; then
  for attempt in $(seq "$attempts"); do
    [ "$attempt" -gt 1 ] && echo "end-to-end: run $attempt of at most $attempts"
    bash "$0" "${arguments[@]}" --attempts 1 && exit 0
  done
  exit 1
fi

readonly kStationMs=5333      # the station interval of effort period 1
readonly kNames=("José Núñez" "Marta Gil" "Iker Sanz")

keep_artifacts() {
  [ "$1" -eq 0 ] && [ "$keep" -eq 0 ] && return 0
  rm -rf "$artifacts"
  mkdir -p "$artifacts"
  cp -r "$SESSION_SHOTS"/. "$artifacts"/ 2>/dev/null || true
  cp "$SESSION_DIR"/*.raw "$SESSION_DIR"/*.log "$artifacts"/ 2>/dev/null || true
  cp "$SESSION_DIR"/work/Export/* "$artifacts"/ 2>/dev/null || true
  if [ "$1" -eq 0 ]; then
    echo "end-to-end: screenshots, recording and export kept in $artifacts"
  else
    echo "end-to-end: FAILED; screenshots, recording and export kept in $artifacts" >&2
  fi
}

fail() {
  session_shot "failure" >/dev/null
  echo "end-to-end: $*" >&2
  exit 1
}

step() {
  echo "end-to-end: $1"
  session_shot "$1" >/dev/null
}

session_begin
SESSION_ON_END=keep_artifacts
session_start_display
session_start_sound korvel
session_record korvel "$SESSION_DIR/sound.raw"
recorder=$SESSION_LAST_PID

work="$SESSION_DIR/work"
mkdir -p "$work/Export"
session_launch_korvel "$work"

main="$(session_window "$KORVEL_MAIN_CAPTION" 60)"
step "main-window"

session_click "$main" "${KORVEL_EMPEZAR[@]}"
step "empezar"
session_click "$main" "${KORVEL_TEST_DE_ESFUERZO[@]}"
step "test-de-esfuerzo"
session_click "$main" "${KORVEL_WARM_UP_BOX[@]}"
step "no-warm-up"

korvel_type_names "$main" "${kNames[@]}"
step "names"

onset_count() { session_beep_onsets "$SESSION_DIR/sound.raw" | wc -l; }
two_beeps_heard() { [ "$(onset_count)" -ge 2 ]; }

session_click "$main" "${KORVEL_INICIAR[@]}"
step "iniciar"
session_poll 30 two_beeps_heard || fail "the start beep and the first station beep were not both heard"
step "first-station-beep"
session_click "$main" "$KORVEL_ROW_BUTTON_X" "$(korvel_row_y 2)"
step "row-2-stopped"
session_click "$main" "${KORVEL_FIN[@]}"
step "fin"

session_click "$main" "${KORVEL_EXPORT_BUTTON[@]}"
dialog="$(session_window "$KORVEL_SAVE_CAPTION" 30)"
step "save-dialog"
day_before="$(date +%d/%m/%Y)"
xdotool windowfocus --sync "$dialog"
session_key Return
export_file="$work/Export/KORVEL-Basket 2.0_$(date +%d-%m-%y).txt"
session_poll 20 test -s "$export_file" || fail "no export file at $export_file"
step "exported"
day_after="$(date +%d/%m/%Y)"

sleep 0.6  # let the recorder write the tail of the last sound
session_stop "$recorder"

# The export file, line by line, in the program's single-byte code page with CRLF endings.
mapfile -t lines < <(iconv -f CP1252 -t UTF-8 "$export_file")
expect_line() {
  [ "${lines[$1]}" = "$2"$'\r' ] || fail "line $(($1 + 1)) is '${lines[$1]%$'\r'}', expected '$2'"
}
[ "${#lines[@]}" -eq 16 ] || fail "${#lines[@]} lines exported, expected 16"
[ "$(tail -c 2 "$export_file" | od -An -t x1 | tr -d ' ')" = 0d0a ] || fail "the last line does not end with CRLF"
[ "$(tr -cd '\n' <"$export_file" | wc -c)" -eq "$(grep -c $'\r$' "$export_file")" ] || fail "a line ends without CR"
expect_line 0 "KORVEL-Basket 2.0"
expect_line 1 ";Fecha;Hora;Periodo Inicial;Velocidad Inicial (Km/h);"
[[ "${lines[2]}" =~ ^\;([0-9]{2}/[0-9]{2}/[0-9]{4})\;[0-2][0-9]:[0-5][0-9]\;1\;4,2\;$'\r'$ ]] ||
  fail "line 3 is '${lines[2]}'"
[ "${BASH_REMATCH[1]}" = "$day_before" ] || [ "${BASH_REMATCH[1]}" = "$day_after" ] ||
  fail "line 3 has the date ${BASH_REMATCH[1]}, not today's"
expect_line 3 ";Nº;Sujeto;Cod.;Tiempo (mm:ss);Periodos complet.;Distancia (m);Vel. Máx. (Km/h);"
head -n 4 "$export_file" | tail -n 1 | grep -q $'^;N\xBA;Sujeto;Cod.;.*Vel. M\xE1x.' ||
  fail "the column header is not in Windows-1252"
grep -q $'^;1;Jos\xE9 N\xFA\xF1ez;' "$export_file" || fail "the accented name is not in Windows-1252"

vo2max() { awk -v d="$1" 'BEGIN { s = sprintf("%.3f", d * 0.013 + 2.5951); sub(/\./, ",", s); print s }'; }
declare -A times distances
for row in 1 2 3; do
  line="${lines[row + 3]%$'\r'}"
  IFS=';' read -r -a cells <<<"$line"
  # cells: "", number, name, code, time, periods, distance, speed, VO2max
  [ "${#cells[@]}" -eq 9 ] || fail "row $row exported as '$line'"
  [ "${cells[1]}" = "$row" ] && [ "${cells[2]}" = "${kNames[row - 1]}" ] && [ -z "${cells[3]}" ] ||
    fail "row $row exported as '$line'"
  [[ "${cells[4]}" =~ ^00:[0-5][0-9]$ ]] || fail "row $row has the time '${cells[4]}'"
  [ "${cells[5]}" = 0 ] && [ "${cells[7]}" = "4,2" ] || fail "row $row: periods '${cells[5]}', speed '${cells[7]}'"
  [[ "${cells[6]}" =~ ^[1-9][0-9]*$ ]] || fail "row $row has the distance '${cells[6]}'"
  [ "${cells[8]}" = "$(vo2max "${cells[6]}")" ] ||
    fail "row $row has the VO2max '${cells[8]}' for ${cells[6]} m, expected $(vo2max "${cells[6]}")"
  times[$row]="${cells[4]}" distances[$row]="${cells[6]}"
done
[ "${times[1]}" = "${times[3]}" ] && [ "${distances[1]}" = "${distances[3]}" ] ||
  fail "rows 1 and 3, ended together, differ"
[ "${distances[2]}" -le "${distances[1]}" ] || fail "row 2 ran further than the players ended after it"
for row in $(seq 4 12); do
  expect_line $((row + 3)) ";;;;;;;;;"
done

mapfile -t onsets < <(session_beep_onsets "$SESSION_DIR/sound.raw")
[ "${#onsets[@]}" -ge 2 ] || fail "${#onsets[@]} beeps recorded"
interval="$(awk -v a="${onsets[0]}" -v b="${onsets[1]}" 'BEGIN { printf "%.2f", b - a }')"
awk -v i="$interval" -v s="$kStationMs" 'BEGIN { exit !(i >= s - 1 && i <= s + 1) }' ||
  fail "start beep to first station beep: $interval ms, expected $kStationMs ms ± 1"

echo "end-to-end: PASS (export checked, start beep to first station beep $interval ms)"
