#!/usr/bin/env bash
# Runs every benchmark of the project one after another, keeps each one's whole output in a log
# folder and ends with one Markdown table of the key figures. Asserts nothing; a figure that a
# benchmark did not print shows as n/a.
#   bash scripts/bench.sh                            full rounds
#   KESTRUNE_BENCH_QUICK=1 bash scripts/bench.sh     fewer rounds, for a quick look
#   KESTRUNE_BENCH_ONLY="queue ui" bash scripts/bench.sh     a subset of: engine queue ui app terminal
# Round counts one by one: KESTRUNE_BENCH_ENGINE_ROUNDS (large file), KESTRUNE_BENCH_CLIP_ROUNDS,
# KESTRUNE_BENCH_UI_ROUNDS, KESTRUNE_BENCH_UI_SECONDS (frame-time run), KESTRUNE_BENCH_APP_ROUNDS,
# KESTRUNE_BENCH_TERMINAL_ROUNDS.
# KESTRUNE_BENCH_BASELINE=<commit> adds Kestrune as of that commit to the start-up rounds.
# Logs go to build-bench-logs/<UTC time>/ (or $KESTRUNE_BENCH_LOG_DIR).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)

if [ "${KESTRUNE_BENCH_QUICK:-0}" = 1 ]; then
  mode=quick
  engine_rounds=2 clip_rounds=10 ui_rounds=2 ui_seconds=3 app_rounds=3 terminal_rounds=7 terminal_quick=1
else
  mode=full
  engine_rounds=5 clip_rounds=30 ui_rounds=5 ui_seconds=5 app_rounds=7 terminal_rounds=20 terminal_quick=0
fi
engine_rounds=${KESTRUNE_BENCH_ENGINE_ROUNDS:-$engine_rounds}
clip_rounds=${KESTRUNE_BENCH_CLIP_ROUNDS:-$clip_rounds}
ui_rounds=${KESTRUNE_BENCH_UI_ROUNDS:-$ui_rounds}
ui_seconds=${KESTRUNE_BENCH_UI_SECONDS:-$ui_seconds}
app_rounds=${KESTRUNE_BENCH_APP_ROUNDS:-$app_rounds}
terminal_rounds=${KESTRUNE_BENCH_TERMINAL_ROUNDS:-$terminal_rounds}
only=" ${KESTRUNE_BENCH_ONLY:-engine queue ui app terminal} "

logs=${KESTRUNE_BENCH_LOG_DIR:-$root/build-bench-logs/$(date -u +%Y%m%d-%H%M%S)}
mkdir -p "$logs"
# The queue and app benchmarks each build a Release copy of the library; one folder for both
# saves a second full build (their wrappers compile the library with the same flags).
release_build=${KESTRUNE_BENCH_BUILD_DIR:-$root/build-bench}

declare -A status seconds_taken
run() {
  local area=$1
  shift
  case $only in *" $area "*) ;; *)
    status[$area]=skipped
    return
    ;;
  esac
  echo "== $area: $* (log: $logs/$area.log)"
  local t0
  t0=$(date +%s)
  env "$@" >"$logs/$area.log" 2>&1 </dev/null
  local rc=$?
  seconds_taken[$area]=$(($(date +%s) - t0))
  status[$area]=$([ "$rc" -eq 0 ] && echo ok || echo "failed (exit $rc)")
  echo "   ${status[$area]} after ${seconds_taken[$area]} s"
}

run engine ROUNDS="$engine_rounds" CLIP_ROUNDS="$clip_rounds" bash "$root/scripts/bench-engine.sh"
run queue KESTRUNE_BENCH_BUILD_DIR="$release_build" bash "$root/scripts/bench-queue.sh"
run ui ROUNDS="$ui_rounds" FRAME_SECONDS="$ui_seconds" bash "$root/scripts/bench-ui.sh"
run app ROUNDS="$app_rounds" KESTRUNE_BENCH_BUILD_DIR="$release_build" BASELINE="${KESTRUNE_BENCH_BASELINE:-}" bash "$root/scripts/bench-app.sh"
run terminal ROUNDS="$terminal_rounds" QUICK="$terminal_quick" bash "$root/scripts/bench-terminal.sh"

# ---- extraction: each helper prints one figure or nothing; the table turns nothing into n/a

log() { cat "$logs/$1.log" 2>/dev/null; }
isnum() { [[ ${1:-} =~ ^-?[0-9]+([.][0-9]+)?([eE][-+]?[0-9]+)?$ ]]; }
fig() { if isnum "${1:-}"; then printf '%s%s' "$1" "${2:-}"; else printf 'n/a'; fi; }
ratio() { # a/b to 2 places, or n/a
  if isnum "${1:-}" && isnum "${2:-}" && awk -v b="$2" 'BEGIN { exit !(b != 0) }'; then
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
  else printf 'n/a'; fi
}
signed() { if isnum "${1:-}"; then case $1 in -*) printf '%s%s' "$1" "${2:-}" ;; *) printf '+%s%s' "$1" "${2:-}" ;; esac; else printf 'n/a'; fi; }
goal() { # value, limit, unit: "goal ≤ limit: met" / "MISSED" / n/a
  if isnum "${1:-}"; then
    awk -v v="$1" -v g="$2" -v u="$3" 'BEGIN { printf "goal ≤ %s%s: %s", g, u, (v <= g) ? "met" : "MISSED" }'
  else printf 'goal ≤ %s%s: n/a' "$2" "$3"; fi
}

# Median of a named series in one section of the engine log: "large", "clip" (the clip and the
# launch series that follow it).
engine_median() {
  log engine | awk -v want="$1" -v name="$2" '
    /^Large file, seconds:/ { section = "large"; next }
    /^Clip /                { section = "clip"; next }
    section == want {
      n = substr($0, 3, 28); sub(/ +$/, "", n)
      if (n == name) { split(substr($0, 31), f, " "); if (f[1] == "median") { print f[2]; exit } }
    }'
}
engine_line() { log engine | sed -n "$1" | head -n 1; }

e_large_gb=$(engine_line 's/^large file: .* (\([0-9.]*\) GB)$/\1/p' | awk '{ printf "%.2f", $1 }')
e_a=$(engine_median large "a cp")
e_b=$(engine_median large "b ffmpeg bare")
e_c=$(engine_median large "c FFmpegRunner::remux")
e_d=$(engine_median large "d mkvmerge")
e_bcpu=$(engine_median large "b ffmpeg bare (CPU)")
e_ccpu=$(engine_median large "c FFmpegRunner::remux (CPU)")
e_cb=$(engine_line 's/.*per-round ratios: c\/b \([0-9.]*\), c\/a \([0-9.]*\)).*/\1/p')
e_ca=$(engine_line 's/.*per-round ratios: c\/b \([0-9.]*\), c\/a \([0-9.]*\)).*/\2/p')
e_cb_cpu=$(engine_line 's/^  CPU: c\/b = \([0-9.]*\) .*/\1/p')
e_clip_b=$(engine_median clip "b ffmpeg bare")
e_clip_c=$(engine_median clip "c FFmpegRunner::remux")
e_overhead=$(engine_line 's/^  remux - bare = .* ms per file (difference of medians), \(-\{0,1\}[0-9.]*\) ms (median.*/\1/p')
e_overhead_cpu=$(engine_line 's/^  CPU: remux - bare = \(-\{0,1\}[0-9.]*\) ms per file.*/\1/p')
e_spawn=$(engine_median clip "b spawn /bin/true")
e_runtrue=$(engine_median clip "c run() /bin/true")
e_probe_in=$(engine_line 's/.*in-process probe, median of 50: input \([0-9.]*\) ms.*/\1/p')

# Queue: "  wall: model X unit, plain QList loop Y unit, ratio R" under each benchmark's title.
queue_figure() { # which (add|report), kind (wall|cpu), field (model|plain|ratio)
  log queue | awk -v which="$1" -v kind="$2" -v field="$3" '
    /^add /                  { section = "add" }
    /^one progress report/   { section = "report" }
    section == which && $1 == kind ":" {
      line = $0; sub(/^ *[a-z]+: +/, "", line)
      split(line, parts, ", ")
      if (field == "model") { split(parts[1], f, " "); print f[2] }
      if (field == "plain") { split(parts[2], f, " "); print f[4] }
      if (field == "ratio") { split(parts[3], f, " "); print f[2] }
      exit
    }'
}
q_add=$(queue_figure add wall model) q_add_plain=$(queue_figure add wall plain) q_add_ratio=$(queue_figure add wall ratio)
q_addc=$(queue_figure add cpu model) q_addc_plain=$(queue_figure add cpu plain) q_addc_ratio=$(queue_figure add cpu ratio)
q_rep=$(queue_figure report wall model) q_rep_plain=$(queue_figure report wall plain) q_rep_ratio=$(queue_figure report wall ratio)
q_repc=$(queue_figure report cpu model) q_repc_plain=$(queue_figure report cpu plain) q_repc_ratio=$(queue_figure report cpu ratio)

# UI: the "frames=" line after each "==" heading; key=value pairs in any order.
ui_frames() { # section (offscreen-open|offscreen-closed|xvfb-open), key
  log ui | awk -v want="$1" -v key="$2" '
    /^== frame time.*group open: offscreen/ { section = "offscreen-open"; next }
    /^== the same with the group closed/    { section = "offscreen-closed"; next }
    /^== frame time.*group open: Xvfb/      { section = "xvfb-open"; next }
    /^==/                                   { section = ""; next }
    section == want && /^frames=/ {
      for (i = 1; i <= NF; i++) {
        split($i, kv, "="); k = kv[1]
        if (k == "frame_ms_p50") k = "p50"
        if (k == key) { print kv[2]; exit }
      }
    }'
}
ui_renderer() { # renderer, frame|rss
  log ui | awk -v r="$1" -v what="$2" '
    $1 == r && $2 == "first" {
      for (i = 1; i <= NF; i++) {
        if (what == "frame" && $i == "frame" && $(i + 1) == "median") { v = $(i + 2); sub(/s$/, "", v); print v; exit }
        if (what == "rss" && $i == "RSS" && $(i + 1) == "median") { print $(i + 2); exit }
      }
    }'
}
declare -A u
for s in xvfb-open offscreen-open offscreen-closed; do
  for k in p50 p99 max over_16ms frames; do u[$s.$k]=$(ui_frames "$s" "$k"); done
done
u_sw_frame=$(ui_renderer software frame) u_gl_frame=$(ui_renderer opengl frame)
u_sw_rss=$(ui_renderer software rss) u_gl_rss=$(ui_renderer opengl rss)
ms_of_s() { isnum "${1:-}" && awk -v s="$1" 'BEGIN { printf "%.0f", s * 1000 }'; }

# App: the closing table, "<program> <ms to first frame> <MiB resident> <shared libraries>".
app_figure() { log app | awk -v p="$1" -v col="$2" '$1 == p && NF == 4 { print $col; exit }'; }
a_k_ms=$(app_figure kestrune 2) a_k_mib=$(app_figure kestrune 3) a_k_libs=$(app_figure kestrune 4)
a_bare_ms=$(app_figure bare 2) a_bare_mib=$(app_figure bare 3) a_bare_libs=$(app_figure bare 4)
a_av_ms=$(app_figure bare+libav 2) a_av_mib=$(app_figure bare+libav 3) a_av_libs=$(app_figure bare+libav 4)
a_base_ms=$(app_figure kestrune-base 2) a_base_mib=$(app_figure kestrune-base 3)
a_ctl_ms=$(app_figure bare+controls 2) a_ctl_mib=$(app_figure bare+controls 3)

# Terminal: "<label>: median <n> ms" and "terminal overhead: <n> ms per file".
t_bare=$(log terminal | sed -n 's/^bare ffmpeg: median \([0-9.]*\) ms$/\1/p')
t_kestrune=$(log terminal | sed -n 's/^kestrune --to mkv: median \([0-9.]*\) ms$/\1/p')
t_overhead=$(log terminal | sed -n 's/^terminal overhead: \(-\{0,1\}[0-9.]*\) ms per file.*/\1/p')
t_clip=$(log terminal | sed -n 's/^clip: \([0-9]*\) s,.*/\1/p')

# ---- report

cores=$(nproc)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
ram=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
frame_budget=16

row() { printf '| %s | %s | %s | %s | %s |\n' "$@"; }
{
  echo
  echo "date: $(date -u +%F)"
  echo "machine: ${cores} cores, ${cpu:-unknown CPU}, ${ram:-unknown} RAM"
  echo "mode: $mode (engine ${engine_rounds} rounds on the large file, ${clip_rounds} on the clip; UI frames ${ui_seconds} s, ${ui_rounds} start-up rounds; app ${app_rounds} rounds)"
  echo
  row area measure Kestrune "reference (what it is compared with)" "ratio/goal"
  row --- --- --- --- ---
  row engine "remux of a large MP4 ($(fig "$e_large_gb" " GB")) to MKV, wall (median)" "$(fig "$e_c" " s")" \
    "bare ffmpeg, same arguments: $(fig "$e_b" " s")" "c/b $(fig "$e_cb") (median of per-round ratios; 1.00 = no cost over ffmpeg)"
  row engine "the same against copying the file" "$(fig "$e_c" " s")" "cp of the file: $(fig "$e_a" " s")" "c/a $(fig "$e_ca")"
  row engine "the same, CPU time (self and children)" "$(fig "$e_ccpu" " s")" "bare ffmpeg: $(fig "$e_bcpu" " s")" "c/b $(fig "$e_cb_cpu")"
  row engine "the same against another muxer" "$(fig "$e_c" " s")" "mkvmerge: $(fig "$e_d" " s")" "$(ratio "$e_c" "$e_d")"
  row engine "per-file overhead over bare ffmpeg, 10 s clip, wall" "$(signed "$e_overhead" " ms") per file (remux $(fig "$e_clip_c" " ms"))" \
    "bare ffmpeg: $(fig "$e_clip_b" " ms")" "c/b $(ratio "$e_clip_c" "$e_clip_b"); overhead is the median of per-round differences"
  row engine "per-file overhead, CPU time" "$(signed "$e_overhead_cpu" " ms") per file" "bare ffmpeg on the clip" "of which input probe (in-process): $(fig "$e_probe_in" " ms")"
  row engine "launch of /bin/true through run()" "$(fig "$e_runtrue" " ms")" "bare posix_spawn: $(fig "$e_spawn" " ms")" "$(ratio "$e_runtrue" "$e_spawn")"
  row queue "add 10,000 URLs (5,000 already listed) to a 10,000-file queue, wall" "$(fig "$q_add" " ms")" \
    "plain QList + QSet loop: $(fig "$q_add_plain" " ms")" "$(fig "$q_add_ratio"); $(goal "$q_add" 50 " ms")"
  row queue "the same, CPU time" "$(fig "$q_addc" " ms")" "plain QList + QSet loop: $(fig "$q_addc_plain" " ms")" "$(fig "$q_addc_ratio")"
  row queue "one progress report, last file of 10,000, wall" "$(fig "$q_rep" " µs")" \
    "plain QList find_if: $(fig "$q_rep_plain" " µs")" "$(fig "$q_rep_ratio"); $(goal "$q_rep" 20 " µs")"
  row queue "the same, CPU time" "$(fig "$q_repc" " µs")" "plain QList find_if: $(fig "$q_repc_plain" " µs")" "$(fig "$q_repc_ratio")"
  for k in p50 p99 max; do
    row UI "frame time $k, 1,000 files converting, group open (Xvfb, software renderer)" "$(fig "${u[xvfb-open.$k]}" " ms")" \
      "one 60 Hz frame: ${frame_budget} ms" "$(ratio "${u[xvfb-open.$k]}" "$frame_budget"); $(goal "${u[xvfb-open.$k]}" "$frame_budget" " ms")"
  done
  over=${u[xvfb-open.over_16ms]}
  row UI "frames over 16 ms, same run" "$(fig "$over") of $(fig "${u[xvfb-open.frames]}")" "none" \
    "goal 0: $(if ! isnum "$over"; then echo n/a; elif [ "$over" = 0 ]; then echo met; else echo MISSED; fi)"
  row UI "frame time p50 / p99 / max, offscreen, group open" \
    "$(fig "${u[offscreen-open.p50]}") / $(fig "${u[offscreen-open.p99]}") / $(fig "${u[offscreen-open.max]}") ms" \
    "group closed: $(fig "${u[offscreen-closed.p50]}") / $(fig "${u[offscreen-closed.p99]}") / $(fig "${u[offscreen-closed.max]}") ms" \
    "over 16 ms: $(fig "${u[offscreen-open.over_16ms]}") open, $(fig "${u[offscreen-closed.over_16ms]}") closed"
  row UI "content window, launch to first frame (Xvfb)" "$(fig "$(ms_of_s "$u_sw_frame")" " ms") (software)" \
    "OpenGL renderer (Mesa): $(fig "$(ms_of_s "$u_gl_frame")" " ms")" "$(ratio "$u_sw_frame" "$u_gl_frame")"
  row UI "content window, idle RSS" "$(fig "$u_sw_rss" " MiB") (software)" "OpenGL renderer (Mesa): $(fig "$u_gl_rss" " MiB")" \
    "$(ratio "$u_sw_rss" "$u_gl_rss")"
  row app "launch to first frame (Xvfb, Release, software renderer)" "$(fig "$a_k_ms" " ms")" \
    "bare Qt Quick window (one Text, same colours): $(fig "$a_bare_ms" " ms")" "$(ratio "$a_k_ms" "$a_bare_ms"); $(goal "$(ratio "$a_k_ms" "$a_bare_ms")" 1.2 "×")"
  row app "idle RSS 2 s after the first frame" "$(fig "$a_k_mib" " MiB")" \
    "bare Qt Quick window: $(fig "$a_bare_mib" " MiB")" "$(ratio "$a_k_mib" "$a_bare_mib"); $(goal "$(ratio "$a_k_mib" "$a_bare_mib")" 1.3 "×")"
  row app "what libavformat costs before main: bare window with it linked" \
    "$(fig "$a_av_ms" " ms"), $(fig "$a_av_mib" " MiB"), $(fig "$a_av_libs") libraries" \
    "bare window: $(fig "$a_bare_ms" " ms"), $(fig "$a_bare_mib" " MiB"), $(fig "$a_bare_libs") libraries" \
    "$(signed "$(awk -v a="$a_av_ms" -v b="$a_bare_ms" 'BEGIN { if (a != "" && b != "") printf "%.1f", a - b }')" " ms"), $(signed "$(awk -v a="$a_av_mib" -v b="$a_bare_mib" 'BEGIN { if (a != "" && b != "") printf "%.1f", a - b }')" " MiB")"
  row app "the floor of this design: bare window with Qt Quick Controls, a menu bar and a button" \
    "$(fig "$a_ctl_ms" " ms"), $(fig "$a_ctl_mib" " MiB")" "bare window" "$(ratio "$a_ctl_ms" "$a_bare_ms") / $(ratio "$a_ctl_mib" "$a_bare_mib")"
  row terminal "\`kestrune --to mkv\` of a $(fig "$t_clip" " s") clip, per file, wall (median)" "$(fig "$t_kestrune" " ms") ($(signed "$t_overhead" " ms") per file)" \
    "bare \`ffmpeg -i clip -c copy\`: $(fig "$t_bare" " ms")" "$(ratio "$t_kestrune" "$t_bare"); overhead is the median of per-round differences"
  if isnum "${a_base_ms:-}"; then
    row app "Kestrune as of the baseline commit (BASELINE=)" "$(fig "$a_base_ms" " ms"), $(fig "$a_base_mib" " MiB")" \
      "bare Qt Quick window" "$(ratio "$a_base_ms" "$a_bare_ms") / $(ratio "$a_base_mib" "$a_bare_mib")"
  fi
  echo
  for area in engine queue ui app terminal; do
    printf '%s: %s%s;  ' "$area" "${status[$area]:-not run}" "${seconds_taken[$area]:+ in ${seconds_taken[$area]} s}"
  done
  echo
  total=$(($(date +%s) - started))
  echo "total: $((total / 60)) min $((total % 60)) s; logs in $logs"
} | tee "$logs/summary.md"
