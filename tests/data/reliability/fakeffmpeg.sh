#!/bin/sh
# Stands in for ffmpeg in the soak test. The test writes the kind of this run into the file
# "plan" beside this script before each remux; this script behaves like ffmpeg would for that
# kind, honouring the real argument vector (input after "-i", output last, right after "-y").
# An input that is not a readable regular file fails first, as it does in ffmpeg.
here=$(dirname "$0")
read -r kind < "$here/plan" || { echo "fake ffmpeg: no plan" >&2; exit 70; }
input= output= beforeOutput= attempt=first previous=
for argument in "$@"; do
    [ "$previous" = "-i" ] && input=$argument
    [ "$argument" = "-0:d" ] && attempt=retry
    beforeOutput=$previous previous=$argument output=$argument
done
[ "$beforeOutput" = "-y" ] && [ -n "$input" ] || { echo "fake ffmpeg: unexpected argument vector" >&2; exit 71; }
[ -f "$input" ] && [ -r "$input" ] || { printf '%s: No such file or directory\n' "$input" >&2; exit 1; }
# A source the engine could read gets its tracks named one by one, with no "-0:d" in a retry;
# the output the first attempt left behind tells it apart.
[ "$(cat "$output" 2>/dev/null)" = header ] && attempt=retry

block() { printf 'frame=1\nout_time_us=%s\nout_time_ms=%s\nspeed=%sx\nprogress=%s\n' "$1" "$1" "$2" "$3"; }
# The test's small real file: what a run writes must read back as media, as the checks demand.
succeed() { cat "$here/sample" > "$output" || exit 1; exit 0; }

case $kind in
success) # stderr on a successful run is ignored
    block 100000 1.5 continue; block 400000 2.25 end; echo "[mp4 @ 0x1] a harmless warning" >&2; succeed ;;
junk)
    printf 'out_time_us=NaN\nspeed=inf x\n==\nprogress=\n\r\r\nout_time_us=-5\nspeed=-3x\nprogress=continue\n\377\376garbage \001\002\n'
    printf 'out_time_us=99999999999999999999999\nspeed=1e400x\nprogress=continue\n'
    head -c 200000 /dev/zero | tr '\000' 'j'; printf '\nout_time=00:00:00.1\nprogress=continue\r\n'; succeed ;;
truncated) # the last block is cut off mid-line when the process ends
    block 200000 1.0 continue; printf 'out_time_us=3000'; succeed ;;
exit)
    block 100000 0.5 continue; printf 'Invalid data found when processing input\n' >&2; exit 69 ;;
sigkill)
    block 100000 0.5 continue; printf 'partial' > "$output"; printf 'about to be killed\n' >&2; kill -KILL $$ ;;
sigsegv)
    ulimit -c 0; printf 'out_time_us=1000'; kill -SEGV $$ ;;
bigstderr)
    block 100000 0.5 continue
    yes 'Error while decoding stream #0:0: Invalid data found when processing input' | head -n 140000 >&2; exit 1 ;;
datastream) # ffmpeg has already opened the output when the muxer refuses the data stream
    if [ "$attempt" = first ]; then
        printf 'header' > "$output"
        printf '[mp4 @ 0x2] Could not find tag for codec none in stream #2, codec not currently supported in container\n' >&2
        exit 234
    fi
    block 300000 3.0 end; succeed ;;
lingering) # standard output ends long before the process does
    block 100000 1.0 continue; exec 1>&-; sleep 0.2; succeed ;;
orphan) # a child that outlives this process keeps its output pipes open
    block 100000 1.0 end; (sleep 1 &); cat "$here/sample" > "$output"; exit 0 ;;
esac
echo "fake ffmpeg: unknown plan $kind" >&2
exit 72
