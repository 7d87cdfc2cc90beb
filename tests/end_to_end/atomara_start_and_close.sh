#!/usr/bin/env bash
# Starts the real program under a virtual display with a fresh settings folder,
# answers the first-start windows as a user would, and checks what it wrote.
set -euo pipefail
program=$1
settings=$(mktemp -d)
pid=""
xvfb=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$settings"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and reports it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$settings/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$settings/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$settings/display")
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" "$settings" &
pid=$!

# Waits for a window with this exact title and presses a key in it.
press_in() {
  local title=$1 key=$2 id=""
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window titled '$title'"; exit 1; }
  # No window manager here: focus the window ourselves, then type into it.
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  sleep 0.2
  xdotool key "$key"
}

press_in "Please Read Carefully" Return
# A desktop without silver button faces gets the colour warning and the options.
for _ in $(seq 300); do
  grep -q 'Background=' "$settings/atomara.ini" 2>/dev/null && break
  if xdotool search --onlyvisible --name "^Colors - Atomara\$" >/dev/null 2>&1; then
    press_in "Colors - Atomara" Return
    press_in "Options" Escape
    break
  fi
  sleep 0.1
done
for _ in $(seq 300); do grep -q 'Background=' "$settings/atomara.ini" 2>/dev/null && break; sleep 0.1; done
xdotool search --name "^Atomara v1.7\$" >/dev/null || { echo "main window not shown"; exit 1; }

grep -qx $'Read=1\r' "$settings/atomara.ini" || { echo "About/Read not written"; cat "$settings/atomara.ini"; exit 1; }
grep -Eq $'^Background=(Gray|Default)\r$' "$settings/atomara.ini" || { echo "Colors/Background not written"; exit 1; }

# Move the selection from hydrogen to helium with the keyboard, then end the program as
# a desktop session does; it saves its settings on the way out.
press_in "Atomara v1.7" Right
sleep 0.5
kill -TERM "$pid"
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "atomara did not close"; exit 1; fi
wait "$pid" || { echo "atomara exited with an error"; exit 1; }

ini=$settings/atomara.ini
expect_key() { # section key value-pattern
  awk -v s="[$1]" -v k="$2" -v v="$3" '
    { sub(/\r$/, "") }
    /^\[/ { in_s = ($0 == s); next }
    in_s && index($0, k "=") == 1 { if (substr($0, length(k) + 2) ~ ("^" v "$")) found = 1 }
    END { exit !found }' "$ini" || { echo "[$1] $2 is not $3"; cat "$ini"; exit 1; }
}
expect_key "Main Window" Maximized 0
expect_key "Main Window" Width '[0-9]+'
expect_key "Graph Window" Property 0
expect_key "Settings" "Selected Element" 2
expect_key "Settings" Temperature '298[.,]15'
expect_key "Settings" SaveINI 1
expect_key "Settings" "Naming Scheme" 1
expect_key "Settings" Background '.*/atomback[.]bmp'
expect_key "Temperature Window" Tab 0
expect_key "Element Info Window" Visible 0
expect_key "Colors" Metals 255
expect_key "Colors" Gases 65535
expect_key "Color Window" Left '-?[0-9]+'
echo "atomara end to end: 1 passed, 0 failed"
