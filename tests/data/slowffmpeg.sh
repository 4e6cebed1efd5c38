#!/bin/sh
# Stands in for ffmpeg where a file must still be converting when the test strikes: it writes
# part of its output, reports once, and then, for an input whose name holds "slow", never ends
# by itself. Its process id goes into "ffmpeg.pid" beside it.
here=$(dirname "$0")
echo $$ > "$here/ffmpeg.pid"
input= previous=
for out; do [ "$previous" = "-i" ] && input=$out; previous=$out; done
echo partial > "$out" || exit 1
printf 'out_time_us=500000\nprogress=continue\n'
case $input in
*slow*) exec sleep 600 ;;
esac
exit 0
