#!/usr/bin/env bash
# The main job measured end to end, as a user's login would run it.
#
# 1. Wall time of one run against a loopback server holding a 1 MiB JPEG, on a plain X
#    server (Xvfb, the X root backend), median of 10 runs, next to the shell pipeline
#    "curl page; curl picture; xwallpaper --zoom picture" doing the same job (hyperfine).
# 2. Peak resident memory of a run that sets the wallpaper without the X root backend
#    (GNOME settings on a private session bus), the largest of 10 runs; for comparison
#    also runs without any desktop and with the X root backend.
# 3. Peak resident memory of runs with the X root backend on a 1920x1080 screen when the
#    server sends pictures that are small on the wire but enormous once decoded (written by
#    oversized_pictures.py), and the largest of each kind that are still decoded.
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

# A photo-like picture of about 1 MiB: fractal noise at the JPEG quality that comes closest.
best=""
for quality in $(seq 80 98); do
  convert -seed 7 -size 2560x1600 plasma:fractal -quality "$quality" "$work/try.jpg"
  distance=$(($(stat -c %s "$work/try.jpg") - 1048576))
  distance=${distance#-}
  if [ -z "$best" ] || [ "$distance" -lt "$best" ]; then
    best=$distance
    mv "$work/try.jpg" "$work/site/foto.jpg"
  fi
done
rm -f "$work/try.jpg"
printf 'foto.jpg\r\n' >"$work/site/inhalt.php"

/usr/bin/python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$work/site" \
  >"$work/server.log" 2>&1 &
started+=("$!")
wait_for_content "$work/server.log"
port=$(sed -n 's/^Serving HTTP on .* port \([0-9]*\) .*/\1/p' "$work/server.log" | head -n 1)
base="http://127.0.0.1:$port/"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPENDREL_SERVER_BASE="$base" \
  -DPENDREL_BUILD_TESTS=OFF -DPENDREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target pendrel -j "$(nproc)" >/dev/null 2>&1
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
/usr/bin/python3 - "$work/wall.json" <<'PY'
import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print("median %-26s %7.1f ms" % (r["command"], r["median"] * 1000))
PY

# Peak resident memory, taken by a minimal parent: a forked interpreter would have its own
# memory counted in.
cc -O2 -x c -o "$work/maxrss" - <<'C'
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
int main(int argc, char** argv) {
  long peak = 0;
  for (int i = 0; i < 10; ++i) {
    pid_t pid = fork();
    if (pid == 0) {
      execv(argv[1], argv + 1);
      _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (argc < 2 || wait4(pid, &status, 0, &usage) != pid || status != 0) return 1;
    if (usage.ru_maxrss > peak) peak = usage.ru_maxrss;
  }
  printf("%.1f\n", peak / 1024.0);
  return 0;
}
C
cd "$work/run"
gnome_rss=$(
  env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK -u PENDREL_TRACE XDG_CURRENT_DESKTOP=GNOME \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
    XDG_RUNTIME_DIR="$work/home/run" GSETTINGS_BACKEND=dconf \
    dbus-run-session -- "$work/maxrss" "$pendrel" 2>/dev/null
)
echo "peak RSS, GNOME settings on a private bus (no X11):   $gnome_rss MiB"
plain_rss=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK -u XDG_CURRENT_DESKTOP \
  -u DESKTOP_SESSION -u PENDREL_TRACE "$work/maxrss" "$pendrel")
echo "peak RSS, no desktop (page and picture download only): $plain_rss MiB"
x11_rss=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY -u SWAYSOCK \
  -u PENDREL_TRACE DISPLAY="$display" "$work/maxrss" "$pendrel")
echo "peak RSS, X root backend on a 1920x1080 screen:       $x11_rss MiB"

# Pictures past the decoding budget are refused from their header; those just inside it
# are decoded (a JPEG at an eighth of its size) and show the real peak.
echo "peak RSS, X root backend, oversized pictures on 1920x1080:"
for picture in "png 40000 40000" "png-alpha 3500 3500" "jpeg 40000 40000" "jpeg 27000 27000" \
  "jpeg-progressive 12000 12000" "jpeg-progressive 2400 2400" "gif 40000 40000" \
  "gif-frames 3500 3500" "bmp 20000 20000"; do
  read -r kind width height <<<"$picture"
  /usr/bin/python3 "$root/bench/oversized_pictures.py" "$kind" "$width" "$height" \
    "$work/site/foto.jpg"
  rss=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY -u SWAYSOCK \
    -u PENDREL_TRACE DISPLAY="$display" "$work/maxrss" "$pendrel")
  printf '  %-17s %5s x %-5s %8s bytes: %6s MiB\n' "$kind" "$width" "$height" \
    "$(stat -c %s "$work/site/foto.jpg")" "$rss"
done
