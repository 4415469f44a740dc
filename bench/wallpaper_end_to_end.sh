#!/usr/bin/env bash
# The main job measured end to end, as a user's login would run it.
#
# 1. Wall time of one run against a loopback server holding a 1 MiB JPEG, on a plain X
#    server (Xvfb, the X root backend), median of 10 runs, next to the shell pipeline
#    "curl page; curl picture; xwallpaper --zoom picture" doing the same job (hyperfine).
# 2. Peak resident memory of a run that sets the wallpaper without the X root backend
#    (GNOME settings on a private session bus), the largest of 10 runs.
#
# Builds Pendrel for the loopback address in build/bench-wallpaper (PENDREL_BENCH_BUILD_DIR)
# and stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="$root/${PENDREL_BENCH_BUILD_DIR:-build/bench-wallpaper}"
work="$build/bench-run"
rm -rf "$work"
mkdir -p "$work/site" "$work/run" "$work/pipeline" "$work/home/run"
chmod 700 "$work/home/run"

started=()
stop_started() {
  local pid
  for pid in "${started[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap stop_started EXIT

wait_for_content() {
  local i
  for ((i = 0; i < 100; i++)); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# A photo-like picture of about 1 MiB: fractal noise, JPEG quality raised until it is.
for quality in $(seq 86 98); do
  convert -seed 7 -size 2560x1600 plasma:fractal -quality "$quality" "$work/site/foto.jpg"
  [ "$(stat -c %s "$work/site/foto.jpg")" -ge 1048576 ] && break
done
printf 'foto.jpg\r\n' >"$work/site/inhalt.php"

/usr/bin/python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$work/site" \
  >"$work/server.log" 2>&1 &
started+=("$!")
wait_for_content "$work/server.log"
port=$(sed -n 's/^Serving HTTP on .* port \([0-9]*\) .*/\1/p' "$work/server.log" | head -n 1)
base="http://127.0.0.1:$port/"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPENDREL_SERVER_BASE="$base" \
  -DPENDREL_BUILD_TESTS=OFF -DPENDREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target pendrel -j "$(nproc)" >/dev/null
pendrel="$build/src/pendrel"

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1920x1080x24 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
started+=("$!")
wait_for_content "$work/display"
display=":$(head -n 1 "$work/display")"

echo "Picture: $(stat -c %s "$work/site/foto.jpg") bytes, 2560x1600; screen 1920x1080"
(
  cd "$work/run"
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY -u SWAYSOCK \
    -u DBUS_SESSION_BUS_ADDRESS -u PENDREL_TRACE DISPLAY="$display" \
    hyperfine --runs 10 --warmup 2 --export-json "$work/wall.json" \
    --command-name pendrel "$pendrel" \
    --command-name "curl + curl + xwallpaper" \
    "curl -s -o /dev/null ${base}inhalt.php && curl -s -o $work/pipeline/bild.jpg ${base}foto.jpg && xwallpaper --zoom $work/pipeline/bild.jpg"
)
/usr/bin/python3 - "$work/wall.json" <<'EOF'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
for r in results:
    print("median %-26s %7.1f ms" % (r["command"], r["median"] * 1000))
EOF

# Peak memory of runs that set the wallpaper through GSettings (dconf on a private bus).
peak_rss() {
  /usr/bin/python3 - "$@" <<'EOF'
import resource, subprocess, sys
peak = 0
for _ in range(10):
    subprocess.run(sys.argv[1:], check=True, stderr=subprocess.DEVNULL)
    peak = max(peak, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
print("%.1f" % (peak / 1024.0))
EOF
}
gnome_rss=$(
  cd "$work/run"
  env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK -u PENDREL_TRACE XDG_CURRENT_DESKTOP=GNOME \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
    XDG_RUNTIME_DIR="$work/home/run" GSETTINGS_BACKEND=dconf \
    dbus-run-session -- bash -c "$(declare -f peak_rss); peak_rss '$pendrel'" 2>/dev/null
)
echo "peak RSS, GNOME settings backend (no X11):   ${gnome_rss} MiB"
x11_rss=$(
  cd "$work/run"
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY -u SWAYSOCK -u PENDREL_TRACE \
    DISPLAY="$display" bash -c "$(declare -f peak_rss); peak_rss '$pendrel'"
)
echo "peak RSS, X root backend (1920x1080 screen): ${x11_rss} MiB"
