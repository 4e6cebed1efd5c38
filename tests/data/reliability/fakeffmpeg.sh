#!/bin/sh
# Stands in for ffmpeg in the soak test. The test writes what this run must do into the file
# "plan" beside this script (one line: a kind and its argument) before each remux; this script
# appends "<kind> <first|retry>" to "log" beside it, then behaves like ffmpeg would for that
# kind: it honours the real argument vector (input after "-i", output as the last argument,
# right after "-y") and writes the output file there, replacing whatever is at that path, as
# ffmpeg's "-y" does. Anything that is not a readable regular file as input fails first, as it
# does in ffmpeg, whatever the plan says.
here=$(dirname "$0")
read -r kind arg < "$here/plan" || { echo "fake ffmpeg: no plan" >&2; exit 70; }

input=
output=
beforeOutput=
attempt=first
previous=
for argument in "$@"; do
    [ "$previous" = "-i" ] && input=$argument
    [ "$argument" = "-0:d" ] && attempt=retry
    beforeOutput=$previous
    previous=$argument
    output=$argument
done
printf '%s %s\n' "$kind" "$attempt" >> "$here/log"

if [ "$kind" = real ]; then
    exec "$arg" "$@"
fi
if [ "$beforeOutput" != "-y" ] || [ -z "$input" ]; then
    echo "fake ffmpeg: unexpected argument vector" >&2
    exit 71
fi
if [ -d "$input" ]; then
    printf '%s: Is a directory\n' "$input" >&2
    exit 1
fi
if [ ! -f "$input" ] || [ ! -r "$input" ]; then
    printf '%s: No such file or directory\n' "$input" >&2
    exit 1
fi

block() { # out_time_us speed progress
    printf 'frame=1\nout_time_us=%s\nout_time_ms=%s\nspeed=%sx\nprogress=%s\n' "$1" "$1" "$2" "$3"
}
writeOutput() {
    printf 'kestrune fake output of %s\n' "$input" > "$output" || exit 1
}

case $kind in
success)
    block 100000 1.5 continue
    block 400000 2.25 end
    # stderr on a successful run is ignored
    echo "[mp4 @ 0x1] a harmless warning" >&2
    writeOutput
    exit 0
    ;;
junk)
    printf 'out_time_us=NaN\nspeed=inf x\n==\nprogress=\n\r\r\n'
    printf 'out_time_us=-5\nspeed=-3x\nprogress=continue\n'
    printf '\377\376garbage \001\002\n'
    printf 'out_time_us=99999999999999999999999\nspeed=1e400x\nprogress=continue\n'
    head -c 200000 /dev/zero | tr '\000' 'j'
    printf '\nout_time=00:00:00.1\nprogress=continue\r\n'
    writeOutput
    exit 0
    ;;
truncated)
    block 200000 1.0 continue
    # the last block is cut off mid-line when the process ends
    printf 'out_time_us=3000'
    writeOutput
    exit 0
    ;;
exit)
    block 100000 0.5 continue
    printf 'Invalid data found when processing input\n' >&2
    exit "$arg"
    ;;
sigkill)
    block 100000 0.5 continue
    printf 'partial' > "$output"
    printf 'about to be killed\n' >&2
    kill -KILL $$
    ;;
sigsegv)
    ulimit -c 0
    printf 'out_time_us=1000'
    kill -SEGV $$
    ;;
bigstderr)
    block 100000 0.5 continue
    yes 'Error while decoding stream #0:0: Invalid data found when processing input' | head -c "$arg" >&2
    exit 1
    ;;
datastream)
    if [ "$attempt" = first ]; then
        # ffmpeg has already opened the output when the muxer refuses the data stream
        printf 'header' > "$output"
        printf '[mp4 @ 0x2] Could not find tag for codec none in stream #2, codec not currently supported in container\n' >&2
        printf 'Could not write header for output file #0 (incorrect codec parameters ?): Invalid argument\n' >&2
        exit 234
    fi
    block 300000 3.0 end
    writeOutput
    exit 0
    ;;
lingering)
    block 100000 1.0 continue
    # standard output ends long before the process does
    exec 1>&-
    sleep 0.2
    writeOutput
    exit 0
    ;;
orphan)
    block 100000 1.0 end
    writeOutput
    # a child that outlives this process keeps its output pipes open
    sleep 1 &
    exit 0
    ;;
esac
echo "fake ffmpeg: unknown plan $kind" >&2
exit 72
