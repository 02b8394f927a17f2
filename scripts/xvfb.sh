# Sourced by the scripts that run the program on a virtual screen.
#   start_xvfb <width>x<height>x<depth> <scratch-dir>
# starts Xvfb on a display it picks itself, waits until it answers, exports DISPLAY and sets
# xvfb_pid for the caller to end. -noreset: a server that resets after its last client refuses
# the next one for a moment.
start_xvfb() {
  local screen=$1 scratch=$2
  : >"$scratch/display"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.05
  done
  [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$(head -n 1 "$scratch/display")
}
