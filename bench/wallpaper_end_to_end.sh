#!/usr/bin/env bash
# The main job measured end to end, as a user's login would run it, next to the shell
# pipeline that does the same job: "curl page; curl picture; xwallpaper --zoom picture".
#
# 1. On a plain X server (Xvfb 1920x1080, the X root backend), for a 1 MiB 2560x1600 photo
#    and a 6 MB 6000x4000 photo: wall time, CPU time and peak resident memory of Pendrel
#    and of the pipeline, run in alternating pairs (measure_runs.c), with the ratios.
# 2. Without any desktop (download only): Pendrel against one curl fetching both files.
# 3. Peak resident memory of a run that sets the wallpaper through GNOME's settings on a
#    private session bus, and of runs with the X root backend when the server sends
#    pictures that are small on the wire but enormous once decoded (oversized_pictures.py).
#
# The machine's load average is printed beside each measurement: figures taken while others
# build are not comparable. PENDREL_BENCH_PAIRS sets the number of pairs (default 15).
# Builds Pendrel for the loopback address in build/bench-wallpaper (PENDREL_BENCH_BUILD_DIR)
# and stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="$root/${PENDREL_BENCH_BUILD_DIR:-build/bench-wallpaper}"
pairs=${PENDREL_BENCH_PAIRS:-15}
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

# A photo-like JPEG of about `bytes`: fractal noise with grain, at the quality that comes
# closest (sizes grow with the quality, so the search stops at the first one past it).
write_photo() {
  local width=$1 height=$2 bytes=$3 out=$4 quality size distance best=""
  convert -seed 7 -size "${width}x$height" plasma:fractal -attenuate 0.4 +noise Gaussian \
    -depth 8 "ppm:$work/photo.ppm"
  for quality in $(seq 75 98); do
    convert "$work/photo.ppm" -quality "$quality" "$work/try.jpg"
    size=$(stat -c %s "$work/try.jpg")
    distance=$((size > bytes ? size - bytes : bytes - size))
    if [ -z "$best" ] || [ "$distance" -lt "$best" ]; then
      best=$distance
      mv "$work/try.jpg" "$out"
    fi
    [ "$size" -lt "$bytes" ] || break
  done
  rm -f "$work/try.jpg" "$work/photo.ppm"
}
write_photo 2560 1600 1048576 "$work/site/foto-1mib.jpg"
write_photo 6000 4000 6000000 "$work/site/foto-6mb.jpg"

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
cc -O2 -o "$work/measure_runs" "$root/bench/measure_runs.c"

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1920x1080x24 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
started+=("$!")
wait_for_content "$work/display"
display=":$(head -n 1 "$work/display")"

load() { cut -d ' ' -f 1-3 /proc/loadavg; }
serve() { printf '%s\r\n' "$1" >"$work/site/inhalt.php"; }
no_desktop() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
    -u DBUS_SESSION_BUS_ADDRESS -u PENDREL_TRACE "$@"
}
x_root() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY -u SWAYSOCK \
    -u DBUS_SESSION_BUS_ADDRESS -u PENDREL_TRACE DISPLAY="$display" "$@"
}

cd "$work/run"
picture="$work/pipeline/bild.jpg"
for photo in foto-1mib.jpg foto-6mb.jpg; do
  serve "$photo"
  echo "$photo: $(stat -c %s "$work/site/$photo") bytes," \
    "$(identify -format '%wx%h' "$work/site/$photo"); screen 1920x1080; $pairs pairs"
  echo " X root, load average before: $(load)"
  x_root "$work/measure_runs" "$pairs" @ pendrel "$pendrel" \
    @ "curl + curl + xwallpaper" curl -s -o /dev/null "${base}inhalt.php" \
    + curl -s -o "$picture" "$base$photo" + xwallpaper --zoom "$picture"
  echo " no desktop (download only), load average before: $(load)"
  no_desktop "$work/measure_runs" "$pairs" @ pendrel "$pendrel" \
    @ "curl (both files)" curl -s -o /dev/null "${base}inhalt.php" -o "$picture" "$base$photo"
done
echo "load average after: $(load)"

# The largest peak of three runs (after two not counted), of the command given before it.
peak_of() { "$@" "$work/measure_runs" 3 @ pendrel "$pendrel" | sed -n 's/.*peak RSS *//p'; }
serve foto-1mib.jpg
echo "peak RSS, GNOME settings on a private bus (no X11): $(peak_of no_desktop env \
  XDG_CURRENT_DESKTOP=GNOME HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
  XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/home/run" GSETTINGS_BACKEND=dconf \
  dbus-run-session --)"

# Pictures past the decoding budget are refused from their header; those just inside it
# are decoded (a JPEG at an eighth of its size) and show the real peak.
serve foto.jpg
echo "peak RSS, X root backend, oversized pictures on 1920x1080:"
for oversized in "png 40000 40000" "png-alpha 3500 3500" "jpeg 40000 40000" "jpeg 27000 27000" \
  "jpeg-progressive 12000 12000" "jpeg-progressive 2400 2400" "gif 40000 40000" \
  "gif-frames 3500 3500" "bmp 20000 20000"; do
  read -r kind width height <<<"$oversized"
  /usr/bin/python3 "$root/bench/oversized_pictures.py" "$kind" "$width" "$height" \
    "$work/site/foto.jpg"
  printf '  %-17s %5s x %-5s %8s bytes: %s\n' "$kind" "$width" "$height" \
    "$(stat -c %s "$work/site/foto.jpg")" "$(peak_of x_root)"
done
