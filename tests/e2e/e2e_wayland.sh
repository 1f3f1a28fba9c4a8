#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland desktop, as Debian 12's default session is: weston with XWayland, Qt's Wayland plugin
# installed, no platform chosen. The program must come up as an X11 client, where its windows can
# stay on top, be centred and refuse the close box; a platform the user names is left alone, and
# without an X server the program runs as a Wayland client.
source "$(dirname "$0")/desktop.sh"

# weston's X server needs the sockets' folder, which an X11 desktop creates at boot.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
export XDG_RUNTIME_DIR=$WORK XDG_CONFIG_HOME=$WORK/config XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=quintavia-wayland
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 \
  --idle-time=0 --log="$WORK/weston.log" >/dev/null 2>&1 &
PIDS+=($!)
wait_for "grep -q 'xserver listening on display' '$WORK/weston.log'" 20 \
  || { cat "$WORK/weston.log" >&2; fail "weston did not start its X server"; }
export DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -n 1)
eval "$(dbus-launch --sh-syntax)"
PIDS+=("$DBUS_SESSION_BUS_PID")
log "weston on $WAYLAND_DISPLAY, XWayland on $DISPLAY"

# Every Wayland request the program makes is logged: an X11 client makes none.
export WAYLAND_DEBUG=client
start_program
id=$(window_id "Le Quintavia") || fail "the start window is not an X11 window"
grep -q "xdg_toplevel" "$WORK/program.log" && fail "the program made a Wayland window"
# What the window asks of the window manager. (weston's own one honours neither "above" nor the
# position; GNOME's and KDE's do. It clears _NET_WM_STATE, so the "above" request is proved by the
# X11 tests on openbox, which share this code path.)
# No close box: the Motif hints' functions leave out close (bit 5).
functions=$(xprop -id "$id" _MOTIF_WM_HINTS | awk -F', ' '{print $2}')
[ -n "$functions" ] && [ $((functions & 32)) -eq 0 ] || fail "the start window offers its close box: $functions"
# Centred: the position the window asks for puts its middle at the screen's.
read -r x y < <(xprop -id "$id" WM_NORMAL_HINTS | awk '/user specified location/ {sub(",", "", $4); print $4, $5}')
read -r w h < <(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[ $((2 * x + w - 1280)) -ge -2 ] && [ $((2 * x + w - 1280)) -le 2 ] && [ $((2 * y + h - 1024)) -ge -2 ] \
  && [ $((2 * y + h - 1024)) -le 2 ] || fail "the start window does not ask to be centred: $w x $h at $x,$y"
log "XWayland: the start window is an X11 window, asks to be centred, has no close box"
kill "$PROGRAM_PID"; wait "$PROGRAM_PID" 2>/dev/null || true

# The user's choice stands, and without an X server the program runs on Wayland alone.
wayland_run() {
  (cd "$WORK" && exec "$@") >"$WORK/wayland.log" 2>&1 &
  local pid=$!
  PIDS+=("$pid")
  wait_for "grep -q 'xdg_toplevel@[0-9]*.set_title(\"Le Quintavia\")' '$WORK/wayland.log'" 15 \
    || { tail -n 20 "$WORK/wayland.log" >&2; fail "no Wayland window for: $*"; }
  kill "$pid"; wait "$pid" 2>/dev/null || true
}
wayland_run "$QUINTAVIA" -platform wayland
log "-platform wayland: a Wayland window, as asked"
wayland_run env -u DISPLAY "$QUINTAVIA"
log "Wayland only: the program runs as a Wayland client"
