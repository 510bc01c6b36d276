#!/usr/bin/env bash
# Times the installer's folder copy (installDirectory) against `cp -a` and its
# folder deletion (DeleteDirectory) against `rm -rf`, on the same trees in the
# same run, alternating the two sides. Prints the medians of wall-clock and
# processor time, their ratios (ours divided by the system tool's: at most 1.0
# is the goal) and the peak memory of each side. On a disk shared with other
# work the wall-clock times of the small-file tree follow the disk's queue;
# the processor times are the steadier comparison. BENCH_DIR=/dev/shm
# takes the disk out of it.
#
#     bench/run.sh [runs]          (default 5 runs of each)
#
# BUILD_DIR (default build-bench) is the Release build folder; the trees lie
# in a new folder, removed at the end, inside BENCH_DIR (default TMPDIR or /var/tmp);
# SMALL_FILES (default 10000) and BIG_MEGABYTES (default 300) size them.
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-5}
build=${BUILD_DIR:-build-bench}
small_files=${SMALL_FILES:-10000}
big_megabytes=${BIG_MEGABYTES:-300}

# -O2: GCC 12 at -O3 reports a false -Wrestrict inside std::string, which -Werror turns into a failure.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DDSL_WITH_QT=OFF >/dev/null
cmake --build "$build" --target copy_bench -j2 >/dev/null
bench=$(realpath "$build/bench/copy/copy_bench")

work=$(mktemp -d "${BENCH_DIR:-${TMPDIR:-/var/tmp}}/dsl-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src" "$work/dst"

# Many small files: folders of 500 files of 1 to 8 kilobytes.
make_small_tree() {
    local root=$1 block folder file
    block=$(head -c 8192 /dev/urandom | base64 -w0)
    for ((file = 0; file < small_files; file++)); do
        folder=$root/folder$((file / 500))
        ((file % 500 == 0)) && mkdir -p "$folder"
        printf '%s' "${block:0:$((1024 + (file * 7919) % 7168))}" >"$folder/file$file"
    done
}

echo "making the trees in $work: $small_files small files, one file of $big_megabytes MB"
make_small_tree "$work/src/Small"
mkdir -p "$work/src/Big"
head -c "$((big_megabytes * 1024 * 1024))" /dev/urandom >"$work/src/Big/payload.bin"
sync

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# measure <file prefix> <program> <arguments>...: appends the wall-clock time,
# the peak memory and the processor time of one run to <prefix>.time,
# <prefix>.mem and <prefix>.cpu.
measure() {
    local prefix=$1 time mem cpu
    shift
    read -r time mem cpu < <("$bench" measure "$@")
    echo "$time" >>"$prefix.time"
    echo "$mem" >>"$prefix.mem"
    echo "$cpu" >>"$prefix.cpu"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print (b > 0) ? a / b : 0 }'; }

report() {
    local what=$1 ours=$2 theirs=$3 t_ours t_theirs c_ours c_theirs
    t_ours=$(median <"$ours.time")
    t_theirs=$(median <"$theirs.time")
    c_ours=$(median <"$ours.cpu")
    c_theirs=$(median <"$theirs.cpu")
    printf '%-14s %9.3f s %9.3f s %6.2f %9.3f s %9.3f s %6.2f %8s KB %8s KB\n' "$what" \
        "$t_ours" "$t_theirs" "$(ratio "$t_ours" "$t_theirs")" "$c_ours" "$c_theirs" "$(ratio "$c_ours" "$c_theirs")" \
        "$(sort -g "$ours.mem" | tail -1)" "$(sort -g "$theirs.mem" | tail -1)"
}

results=$work/results
mkdir -p "$results"
for tree in Small Big; do
    for ((run = 1; run <= runs; run++)); do
        rm -rf "$work/dst/ours" "$work/dst/cp"
        # Each side goes first in every other run, so that neither always
        # finds the caches warmed by the other.
        copies=(ours cp)
        ((run % 2 == 0)) && copies=(cp ours)
        for side in "${copies[@]}"; do
            sync
            if [[ $side == ours ]]; then
                measure "$results/copy-$tree-ours" "$bench" install "$work/src/$tree" "$work/dst" ours
            else
                measure "$results/copy-$tree-cp" cp -a "$work/src/$tree" "$work/dst/cp"
            fi
        done
        for side in "${copies[@]}"; do
            sync
            if [[ $side == ours ]]; then
                measure "$results/delete-$tree-ours" "$bench" delete "$work/dst/ours"
            else
                measure "$results/delete-$tree-rm" rm -rf "$work/dst/cp"
            fi
        done
    done
done

echo
echo "medians of $runs runs: wall-clock time, processor time, peak memory"
printf '%-14s %11s %11s %6s %11s %11s %6s %11s %11s\n' "" "wall ours" "wall tool" "ratio" "cpu ours" "cpu tool" \
    "ratio" "peak ours" "peak tool"
for tree in Small Big; do
    report "copy $tree" "$results/copy-$tree-ours" "$results/copy-$tree-cp"
    report "delete $tree" "$results/delete-$tree-ours" "$results/delete-$tree-rm"
done
echo "(copy: installDirectory against cp -a; delete: DeleteDirectory against rm -rf; ratio = installer / tool)"
