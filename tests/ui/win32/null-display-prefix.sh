#!/usr/bin/env bash
# Prepares a Wine prefix whose windows use the null display driver, so window
# tests run without an X display. Quick when the prefix is already prepared.
set -euo pipefail
prefix="$1"
export WINEPREFIX="$prefix" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
marker="$prefix/.rv17-null-display"
[ -e "$marker" ] && exit 0
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
# The driver is chosen when the prefix's server starts; wait for this one to end.
timeout 120 wineserver -w
touch "$marker"
