# Places in the main window's client area that a person clicks, from the window's layout
# (826 x 592 client area), and the steps of a session that several scripts share.
# Needs tools/lib/session.sh.

# Window captions, exact: nothing may be appended to them.
readonly KORVEL_STARTUP_CAPTION="^KORVEL$"
readonly KORVEL_MAIN_CAPTION="^KORVEL-Basket 2\.0: OSKABEL en Baloncesto$"
readonly KORVEL_SAVE_CAPTION="^Exportación de Registros de PRAXIMO\.\.\.$"

# The command bar: six buttons 53 high at the top, 137 wide from the left edge.
readonly KORVEL_INICIAR=(345 27)
readonly KORVEL_FIN=(483 27)
readonly KORVEL_AYUDA=(621 27)
# The start panel: "&Empezar..." right of the 65-wide information button, the pair centred, top 474.
readonly KORVEL_EMPEZAR=(449 510)
# The configuration panel at 26,79: the two modes, the warm-up check box and the period field.
readonly KORVEL_TEST_DE_ESFUERZO=(110 161)
readonly KORVEL_REPETIR_PERIODO=(110 192)
readonly KORVEL_WARM_UP_BOX=(250 113)
readonly KORVEL_PERIOD_FIELD=(268 196)
# The subjects panel at 26,232, 437 x 336: the export button at the right end of its title row,
# and the grid frame centred below that row (12 data rows of 19 pixels and a grid line, under a
# 31-pixel header), with the row buttons left of it.
readonly KORVEL_EXPORT_BUTTON=(450 242)
readonly KORVEL_FIRST_ROW_Y=$((232 + 42 + 1 + 31 + 9))
readonly KORVEL_NAME_X=$((26 + 23 + 1 + 11 + 1 + 50))
readonly KORVEL_ROW_BUTTON_X=$((26 + 3 + 9))

korvel_row_y() {
  echo $((KORVEL_FIRST_ROW_Y + ($1 - 1) * 20))
}

# Types names into rows 1 onwards: a double-click puts the table into cell editing, then each
# name cell is clicked, typed into and confirmed.
korvel_type_names() {
  local window="$1" row=1 name
  shift
  session_click "$window" "$KORVEL_NAME_X" "$(korvel_row_y 1)" double
  for name in "$@"; do
    session_click "$window" "$KORVEL_NAME_X" "$(korvel_row_y "$row")"
    session_type "$name"
    session_key Return
    row=$((row + 1))
  done
}

# Sets the period field by its up arrow key, from the 1 it shows at first.
korvel_set_period() {
  local window="$1" period="$2"
  session_click "$window" "${KORVEL_PERIOD_FIELD[@]}"
  if [ "$period" -gt 1 ]; then
    session_key --repeat $((period - 1)) --delay 30 Up
  fi
}
