#!/usr/bin/env bash
# Runs a command on a virtual screen of its own, under a window manager, with the palette of a
# light, a dark or a high-contrast desktop (see scripts/desktop.sh):
#   on-desktop.sh light|dark|high-contrast <command> [arguments]
set -euo pipefail

desktop=$1
shift
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is missing; run scripts/setup" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

source "$scripts/desktop.sh"
use_desktop "$desktop" "$work"
export KAZUYOMI_TEST_DESKTOP=$desktop QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR

source "$scripts/xvfb.sh"
start_xvfb 1280x860x24 "$work"
pids+=("$xvfb_pid")
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# The window manager is up once it has claimed the screen.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done

status=0
"$@" || status=$?
exit $status
