#!/usr/bin/env bash
# Runs tesvik in a real X server under a window manager, on a 1366x768
# screen of which a 28 px top bar and a 32 px dock are reserved (openbox
# margins), and checks that the window with its frame lies inside the work
# area, that the window has the installed icon and the class of its desktop
# entry. Screenshots go to DIR (default: a new temporary directory).
#
#   scripts/window-check.sh [--keep] [DIR]
#
# With --keep the display stays up for the manual checks of the README
# (DISPLAY is printed); press Enter to end it.
set -euo pipefail
cd "$(dirname "$0")/.."
keep=0
if [ "${1:-}" = "--keep" ]; then
  keep=1
  shift
fi
dir=${1:-$(mktemp -d)}
mkdir -p "$dir"
scripts/setup.sh --window-check
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVIK_TESTS=OFF -DTESVIK_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target tesvik tesvik_install_files >/dev/null
# Installed under DIR/prefix, whose icon theme the program finds through XDG_DATA_DIRS.
cmake --install build/release --prefix "$dir/prefix" >/dev/null
export XDG_DATA_DIRS="$dir/prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
# A runtime folder of its own: a copy running elsewhere holds the user's lock.
export XDG_RUNTIME_DIR="$dir/runtime"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"

pids=()
stop() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
}
trap stop EXIT

number=57
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1366x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cat >"$dir/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>28</top><bottom>32</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML
openbox --config-file "$dir/rc.xml" >"$dir/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xprop -root _NET_WORKAREA 2>/dev/null | grep -q = && break; sleep 0.1; done

"$dir/prefix/bin/tesvik" >"$dir/tesvik.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tesvik$' | head -1)
for _ in $(seq 50); do xprop -id "$window" _NET_FRAME_EXTENTS | grep -q = && break; sleep 0.1; done
sleep 1  # the start-up sequence and the light sequence

read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)
read -r fl fr ft fb < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
w=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
h=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
left=$((x - fl)) top=$((y - ft)) right=$((x + w + fr)) bottom=$((y + h + fb))
import -window root "$dir/window.png"
echo "work area: ${aw}x${ah} at $ax,$ay"
echo "window with frame: $((right - left))x$((bottom - top)) at $left,$top"
echo "screenshot: $dir/window.png"
status=0
if ((left < ax || top < ay || right > ax + aw || bottom > ay + ah)); then
  echo "FAIL: the window reaches outside the work area"
  status=1
else
  echo "ok: the window lies inside the work area"
fi
# The window shows the installed icon, and its class is the one under which
# the desktop entry groups it.
# The property is long: read it whole before looking at it, since grep -q
# would stop reading early and fail the pipe.
xprop -id "$window" _NET_WM_ICON >"$dir/icon.txt"
if grep -q '=' "$dir/icon.txt"; then
  echo "ok: the window has an icon"
else
  echo "FAIL: the window has no icon (_NET_WM_ICON)"
  status=1
fi
entry=$(ls "$dir"/prefix/share/applications/*.desktop)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
if xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$"; then
  echo "ok: the window's class is the desktop entry's StartupWMClass ($wm_class)"
else
  echo "FAIL: WM_CLASS $(xprop -id "$window" WM_CLASS) is not $wm_class of $entry"
  status=1
fi
# A second start: its message appears alone and the first window, minimised before, comes back.
xdotool windowminimize --sync "$window"
"$dir/prefix/bin/tesvik" >"$dir/second.log" 2>&1 &
second=$!
pids+=($second)
notice=$(timeout 20 xdotool search --sync --onlyvisible --name '^错误提示$' | head -1)
sleep 0.5
import -window root "$dir/second-start.png"
windows=$(xdotool search --onlyvisible --name '^Tesvik$' | wc -l)
hidden=$(xprop -id "$window" _NET_WM_STATE | grep -c _NET_WM_STATE_HIDDEN || true)
# The window found may already be gone again (Qt can replace a dialog's
# native window); the notice has the focus, so the key then goes there.
xdotool key --window "$notice" Return 2>/dev/null || xdotool key Return
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
echo "screenshot: $dir/second-start.png"
if ((windows != 1 || hidden != 0)) || kill -0 "$second" 2>/dev/null; then
  echo "FAIL: a second start shows $windows main windows, the first hidden=$hidden"
  status=1
else
  echo "ok: a second start shows its message alone and raises the first window"
fi
if ((keep)); then
  echo "DISPLAY=$DISPLAY is up; press Enter to end it."
  read -r
fi
exit $status
