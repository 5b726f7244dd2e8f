# shellcheck shell=bash
# Drives the built editor in an X display of its own, the way a person does:
# clicks at the controls' places in the window, typing, list items and file
# dialogs answered from the keyboard. Sourced by scripts/e2e-editor and
# scripts/run-editor; it only defines functions.
#
# Every wait is for a condition (a window, the keyboard focus, a file, a
# picture on screen), retried until DRIVER_TIMEOUT seconds have passed.
# Nothing is left running: begin_session installs the trap that stops the
# editor and the X server, whatever ends the script.

DRIVER_TIMEOUT=${DRIVER_TIMEOUT:-60}
# The editor runs at this device pixel ratio (QT_SCALE_FACTOR) on a screen
# that much larger; the places below stay in the window's own pixels.
DRIVER_SCALE=${DRIVER_SCALE:-1}

# The editor window's controls in client pixels (left top width height), as
# the window places them.
declare -A EDITOR_CONTROL=(
  [edNombre]="24 52 201 21" [edNombreCorto]="231 52 201 21"
  [edEstatura]="24 92 201 21" [edPeso]="231 92 201 21"
  [lbNacionalidad]="24 134 201 21" [lbFechaNac]="231 134 201 21"
  [edSherdog]="312 439 120 21"
  [spPunch]="136 173 65 21" [spKORes]="368 397 65 21"
  [cbGamePlan]="79 439 112 21" [cbCatPeso]="79 466 218 21"
  [NavPanelButton1]="222 508 114 28" [NavPanelButton2]="116 508 107 28"
  [NavPanelButton3]="398 508 44 28" [NavPanelButton4]="24 508 93 28"
  [NavPanelButton5]="334 508 58 28"
  [imIdioma]="417 -1 45 30"
)

SESSION_DIR=
XVFB_PID=
EDITOR_PID=
EDITOR_WINDOW=
EDITOR_STATUS=

# FAILURE_SHOT, when set, names the file that keeps the screen as it was.
driver_fail() {
  local log
  echo "${0##*/}: $*" >&2
  if [[ -n ${FAILURE_SHOT:-} && -n ${DISPLAY:-} ]]; then shoot_screen "$FAILURE_SHOT" || true; fi
  for log in editor xvfb; do
    if [[ -s ${SESSION_DIR:-}/$log.log ]]; then sed "s/^/$log: /" "$SESSION_DIR/$log.log" >&2; fi
  done
  exit 1
}

# Runs "$@" until it succeeds; fails once DRIVER_TIMEOUT seconds have passed.
wait_until() {
  local deadline=$((SECONDS + DRIVER_TIMEOUT))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

not() { ! "$@"; }

# A child that has ended stays a zombie until it is waited for, and a zombie
# still answers kill -0.
process_running() {
  local state
  state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) && [[ $state != Z ]]
}

stop_process() {
  local pid=$1
  kill -TERM "$pid" 2>/dev/null || true
  DRIVER_TIMEOUT=10 wait_until not process_running "$pid" || kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

end_session() {
  if [[ -n $EDITOR_PID ]]; then stop_process "$EDITOR_PID"; fi
  if [[ -n $XVFB_PID ]]; then stop_process "$XVFB_PID"; fi
  EDITOR_PID=''
  XVFB_PID=''
  if [[ -n $SESSION_DIR ]]; then rm -rf "$SESSION_DIR"; fi
  SESSION_DIR=
}

# A private folder for the session, and the trap that cleans up after it.
begin_session() {
  SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/ostrak-session.XXXXXX")
  trap end_session EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
  mkdir -m 700 "$SESSION_DIR/runtime"
  # Qt's own dialogs keep their state in the user's configuration, and every
  # write is kept in the user's history: keep both in the session instead.
  export XDG_RUNTIME_DIR="$SESSION_DIR/runtime" XDG_CONFIG_HOME="$SESSION_DIR/config"
  export XDG_DATA_HOME="$SESSION_DIR/data"
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
}

display_settled() {
  [[ $(wc -l <"$1") -ge 1 ]] || ! process_running "$XVFB_PID"
}

# Starts Xvfb (XVFB_SIZE logical pixels, by default "1024 768") on a display number nobody uses (it picks it itself and names
# it once it accepts clients). Fails when no X server can be started.
# Without -noreset the server resets whenever its last client leaves, and a
# client that connects during the reset is turned away.
start_display() {
  local number="$SESSION_DIR/display"
  : >"$number"
  local width height
  read -r width height < <(device_pixels ${XVFB_SIZE:-1024 768})
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset 3>"$number" 2>"$SESSION_DIR/xvfb.log" &
  XVFB_PID=$!
  wait_until display_settled "$number" || true
  if ! process_running "$XVFB_PID" || [[ ! -s $number ]]; then
    stop_process "$XVFB_PID"
    XVFB_PID=
    return 1
  fi
  DISPLAY=":$(<"$number")"
  export DISPLAY
}

# The program and its data files, in a folder of their own: the editor
# writes its settings beside itself.
copy_program() {
  local bin=$1 folder=$2
  mkdir -p "$folder"
  cp "$bin/OstrakEditor" "$bin"/*.txt "$bin"/*.jpg "$bin"/*.qm "$folder/"
}

# Starts the editor from FOLDER with WORKDIR as its current directory and
# the ARGUMENTS that follow, and waits until its window is up and holds the
# keyboard.
start_editor() {
  local folder=$1 workdir=$2
  shift 2
  (
    cd "$workdir" || exit
    if [[ $DRIVER_SCALE != 1 ]]; then export QT_SCALE_FACTOR=$DRIVER_SCALE; fi
    exec "$folder/OstrakEditor" "$@"
  ) >"$SESSION_DIR/editor.log" 2>&1 &
  EDITOR_PID=$!
  EDITOR_WINDOW=$(wait_for_window "Ostrak Editor") || driver_fail "the editor window did not open"
  wait_for_keyboard "$EDITOR_WINDOW" "the editor window is shown but"
}

# Waits for the editor to end by itself; its exit status lands in
# EDITOR_STATUS. Only this shell can wait for its child: never call it in a
# subshell.
# shellcheck disable=SC2034  # EDITOR_STATUS is read by the scripts that source this one
wait_for_editor_exit() {
  wait_until not process_running "$EDITOR_PID" || driver_fail "the editor is still running"
  EDITOR_STATUS=0
  wait "$EDITOR_PID" || EDITOR_STATUS=$?
  EDITOR_PID=''
}

# Ids of the visible windows titled exactly TITLE.
windows_titled() {
  local pattern
  pattern=$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')
  xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null || true
}

# Prints the first visible window titled TITLE other than the windows in
# EXCEPT (ids, one per line); fails if none is found.
new_window_titled() {
  windows_titled "$1" | grep -vxF -e "${2:-none}" | head -n 1 | grep .
}

FOUND_WINDOW=
found_window() { FOUND_WINDOW=$(new_window_titled "$@"); }

# Waits for a window titled TITLE (other than EXCEPT) and prints its id.
wait_for_window() {
  wait_until found_window "$@" || return 1
  echo "$FOUND_WINDOW"
}

window_shown() { windows_titled "$1" | grep -qxF "$2"; }

wait_until_closed() {
  wait_until not window_shown "$1" "$2" || driver_fail "the window '$1' did not close"
}

has_keyboard() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

# A window that opens should take the keyboard; typing before it does would
# go elsewhere.
wait_for_keyboard() {
  wait_until has_keyboard "$1" || driver_fail "$2 never takes the keyboard"
}

# The window's pixels as the screen's, on one line.
device_pixels() {
  awk -v scale="$DRIVER_SCALE" 'BEGIN { for (i = 1; i < ARGC; ++i) printf "%d%s", ARGV[i] * scale, (i + 1 < ARGC ? " " : "\n") }' "$@"
}

# The point a person aims at: the middle of a control, the text part of a
# spin box (its buttons sit at the right).
control_point() {
  local left top width height
  read -r left top width height <<<"${EDITOR_CONTROL[$1]:?unknown control $1}"
  [[ $1 == sp* ]] && width=$((width - 18))
  device_pixels "$((left + width / 2))" "$((top + height / 2))"
}

click_control() {
  local x y
  read -r x y < <(control_point "$1")
  xdotool mousemove --window "$EDITOR_WINDOW" "$x" "$y" click 1
}

# Moves the pointer to a spot of the screen outside the editor window.
move_pointer_away() { xdotool mousemove 2 2; }

type_text() { xdotool type --delay 15 -- "$1"; }

press_keys() { xdotool key --delay 15 "$@"; }

# Clicks into an edit or a spin box, selects what it holds and types TEXT.
type_into() {
  click_control "$1"
  press_keys ctrl+a
  type_text "$2"
}

# How the keyboard reaches each list: the control beside it in the tab
# order, and the key that moves from there to the list.
declare -A LIST_ENTRY=([cbCatPeso]="spKORes Tab" [cbGamePlan]="edSherdog shift+Tab")

# Picks the item of a list that starts with LETTER, from the keyboard. The
# list is reached with the tab key, not opened: an open list holds the X
# pointer and keyboard until Qt gets round to closing it, and whatever is
# sent before then goes to the list.
pick_item() {
  local neighbour key
  read -r neighbour key <<<"${LIST_ENTRY[$1]:?no way to $1}"
  click_control "$neighbour"
  press_keys "$key"
  type_text "$2"
}

# Answers the file dialog titled TITLE by typing PATH into its name box;
# SHOT (a file, may be left out) shows the screen with the dialog. What
# follows may be a message box: the caller knows who gets the keyboard.
answer_file_dialog() {
  local title=$1 path=$2 shot=${3:-} dialog
  dialog=$(wait_for_window "$title") || driver_fail "the file dialog '$title' did not open"
  wait_for_keyboard "$dialog" "the file dialog '$title' is shown but"
  if [[ -n $shot ]]; then shoot_screen "$shot"; fi
  press_keys ctrl+a
  type_text "$path"
  press_keys Return
  wait_until_closed "$title" "$dialog"
}

# Waits for the message box titled TITLE (other than the window EXCEPT), lets
# SHOT (a file, may be empty) show the screen with it, and dismisses it with
# KEY.
dismiss_message() {
  local title=$1 key=$2 shot=${3:-} except=${4:-none} box
  box=$(wait_for_window "$title" "$except") || driver_fail "no message box '$title' appeared"
  wait_for_keyboard "$box" "the message box '$title' is shown but"
  if [[ -n $shot ]]; then shoot_screen "$shot"; fi
  press_keys "$key"
  wait_until_closed "$title" "$box"
}

has_keyboard_among() { [[ " ${*:2} " == *" $(xdotool getwindowfocus 2>/dev/null) "* ]]; }

# Once the dialog TITLE has closed, one of WINDOWS (by default the editor)
# has the keyboard again: no window manager hands it on, the program must.
keyboard_returns() {
  local title=$1
  shift
  wait_until has_keyboard_among "$title" "${@:-$EDITOR_WINDOW}" ||
    driver_fail "after '$title' closes, the program never takes the keyboard back"
}

# Loads FILE through the load button and the open dialog.
load_fighter() {
  click_control NavPanelButton2
  answer_file_dialog "Abrir luchador" "$1"
}

# Presses Evaluate, waits until the window titled TITLE is drawn and prints
# its id. It is drawn when Qt handles its first expose, which the X server
# sends before anything the pointer does after the window is up.
open_evaluation() {
  local window
  click_control NavPanelButton5
  window=$(wait_for_window "$1") || driver_fail "the evaluation window '$1' did not open"
  settle_editor
  echo "$window"
}

shoot_window() { import -window "$1" "$2" 2>>"$SESSION_DIR/import.log"; }
shoot_screen() { shoot_window root "$1"; }

# True when the two pictures hold the same pixels in every GEOMETRY
# (WIDTHxHEIGHT+LEFT+TOP).
same_regions() {
  local first=$1 second=$2 region
  shift 2
  for region in "$@"; do
    compare -metric AE "${first}[$region]" "${second}[$region]" null: 2>/dev/null || return 1
  done
}

# A small patch near the top right corner of a navigation button, clear of
# its caption, as a region of the editor's picture.
button_patch() {
  local left top width height
  read -r left top width height <<<"${EDITOR_CONTROL[$1]}"
  read -r width height left top < <(device_pixels 6 4 "$((left + width - 12))" "$((top + 2))")
  echo "${width}x${height}+${left}+${top}"
}

# The exit button looks like the clear-all button unless the pointer lights
# it up. STATE is lit or dark.
exit_button_is() {
  local shot="$SESSION_DIR/settle.png" differ=0
  shoot_window "$EDITOR_WINDOW" "$shot" || return 1
  compare -metric AE "${shot}[$(button_patch NavPanelButton3)]" "${shot}[$(button_patch NavPanelButton4)]" \
    null: 2>/dev/null || differ=1
  case $1 in
    lit) ((differ)) ;;
    dark) ((!differ)) ;;
  esac
}

# Qt handles input in the order it comes: once the exit button lights up
# under the pointer, and goes dark again when it leaves, everything sent
# before has been handled and painted.
settle_editor() {
  local x y
  read -r x y < <(control_point NavPanelButton3)
  xdotool mousemove --window "$EDITOR_WINDOW" "$x" "$y"
  wait_until exit_button_is lit || driver_fail "the editor does not answer the pointer"
  move_pointer_away
  wait_until exit_button_is dark || driver_fail "the exit button stays lit"
}
