#!/usr/bin/env bash
# Compares two runs of the show: every frame file byte for byte, and the two logs with
# their timing values (frame rates, seconds, work time) masked.
#   scripts/compare_runs.sh BEFORE_FRAMES AFTER_FRAMES BEFORE_LOG AFTER_LOG
set -euo pipefail
before_frames=$1 after_frames=$2 before_log=$3 after_log=$4

# Any run of digits with a decimal point is a timing value; whole numbers are kept.
mask() { sed -E 's/[0-9]+\.[0-9]+/<t>/g' "$1"; }

status=0
if diff -rq "$before_frames" "$after_frames"; then
    echo "frames: $(ls "$before_frames" | wc -l) files, byte-identical"
else
    status=1
fi
if diff <(mask "$before_log") <(mask "$after_log"); then
    echo "log: $(wc -l <"$before_log") lines, identical but for timing values"
else
    status=1
fi
exit $status
