#!/usr/bin/env bash
# Start-up beside FeatherPad: the time until the window first answers (gui-responsive), in
# interleaved runs so that both see the same machine, and the median of each beside the
# target (ours at most half of FeatherPad's). With a file argument both open that file, and
# the worst freeze after the first answer is shown too.
#   bench/startup.sh [RUNS] [FILE]     (RUNS defaults to 5; BUILD=<build folder>)
# BASELINE=<an older quortosk executable> runs it in the same interleaving, for before/after
# figures from one series (copy its quortosk_*.qm files beside it).
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$here/build}
runs=${1:-5}
file=${2:-}
tool=${GUI_RESPONSIVE:-$here/../shared/tools/gui-responsive}
[ -x "$tool" ] || tool=/work/shared/tools/gui-responsive
ours=("$build/quortosk")
peer=()
command -v featherpad >/dev/null && peer=(featherpad)
base=()
[ -n "${BASELINE:-}" ] && base=("$BASELINE")
[ -n "$file" ] && { ours+=("$file"); [ ${#peer[@]} -gt 0 ] && peer+=("$file"); [ ${#base[@]} -gt 0 ] && base+=("$file"); }

median() { awk '$1 != "" && $1 >= 0' | sort -n | awk '{a[NR]=$1} END {if (NR == 0) print "-"; else if (NR % 2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }
field() { sed -n "s/.*$1=\([0-9.-]*\).*/\1/p"; }
# One measurement; a run that gave no figure (the tool's private X server could not be
# reached, no window) is repeated, up to three times, so that a median never counts a gap.
measure() {
    local out
    for _ in 1 2 3; do
        out=$("$tool" "$@" 2>/dev/null)
        case "$out" in *ready_ms=[0-9]*) break ;; esac
    done
    echo "$out"
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
ready_ours=(); ready_peer=(); ready_base=(); lag_ours=(); lag_peer=()
for i in $(seq 1 "$runs"); do
    out=$(measure "${ours[@]}")
    echo "run $i quortosk:   $out"
    ready_ours+=("$(echo "$out" | field ready_ms)"); lag_ours+=("$(echo "$out" | field max_lag_ms)")
    if [ ${#base[@]} -gt 0 ]; then
        out=$(measure "${base[@]}")
        echo "run $i baseline:   $out"
        ready_base+=("$(echo "$out" | field ready_ms)")
    fi
    if [ ${#peer[@]} -gt 0 ]; then
        out=$(measure "${peer[@]}")
        echo "run $i featherpad: $out"
        ready_peer+=("$(echo "$out" | field ready_ms)"); lag_peer+=("$(echo "$out" | field max_lag_ms)")
    fi
done
mo=$(printf '%s\n' "${ready_ours[@]}" | median)
echo "median first answer: quortosk $mo ms"
if [ ${#base[@]} -gt 0 ]; then
    mb=$(printf '%s\n' "${ready_base[@]}" | median)
    echo "median first answer: baseline $mb ms; quortosk/baseline $(awk -v a="$mo" -v b="$mb" 'BEGIN {printf "%.2f", a / b}')"
fi
if [ ${#peer[@]} -gt 0 ]; then
    mp=$(printf '%s\n' "${ready_peer[@]}" | median)
    ratio=$(awk -v a="$mo" -v b="$mp" 'BEGIN {printf "%.2f", a / b}')
    met=$(awk -v r="$ratio" 'BEGIN {print (r <= 0.5) ? "met" : "MISSED"}')
    if [ -z "$file" ]; then
        echo "median first answer: featherpad $mp ms; quortosk/featherpad $ratio   target <= 0.50   $met"
    else # the target is the start without a file
        echo "median first answer: featherpad $mp ms; quortosk/featherpad $ratio"
    fi
else
    echo "featherpad is not installed: no peer figure (apt-get install featherpad)"
fi
if [ -n "$file" ]; then
    echo "median worst freeze after the first answer: quortosk $(printf '%s\n' "${lag_ours[@]}" | median) ms" \
         "featherpad $(printf '%s\n' "${lag_peer[@]}" | median) ms"
fi
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
