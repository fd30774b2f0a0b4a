# Shared by the comparison scripts: locate the build, build one benchmark, time commands.
# Usage in a script: source "$(dirname "${BASH_SOURCE[0]}")/common.sh"; bench_setup NAME "$@"
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Sets BUILD, BIN (bench/bench_NAME, built when missing) and DIR (scratch, removed at exit).
bench_setup() {
    local name=$1
    BUILD=${2:-$ROOT/build}
    BIN=$BUILD/bench/bench_$name
    [ -x "$BIN" ] || cmake --build "$BUILD" --target "bench_$name" -j 2
    DIR=$(mktemp -d "${TMPDIR:-/tmp}/sj-$name-XXXXXX")
    trap 'rm -rf "$DIR"' EXIT
}

# Best wall time of three runs of a command, in seconds.
best() {
    local best=""
    for _ in 1 2 3; do
        local t0 t1
        t0=$(date +%s.%N)
        "$@"
        t1=$(date +%s.%N)
        best=$(echo "$t1 $t0 ${best:-999}" | awk '{d=$1-$2; print (d<$3)?d:$3}')
    done
    echo "$best"
}

# Best and median wall time of N runs of a command, in seconds: "best / median".
timings() {
    local n=$1
    shift
    local all=()
    for ((i = 0; i < n; i++)); do
        local t0 t1
        t0=$(date +%s.%N)
        "$@"
        t1=$(date +%s.%N)
        all+=("$(echo "$t1 $t0" | awk '{printf "%.4f", $1-$2}')")
    done
    printf '%s\n' "${all[@]}" | sort -g | awk '{v[NR]=$1} END {m=(NR%2)?v[(NR+1)/2]:(v[NR/2]+v[NR/2+1])/2; printf "%.3f / %.3f", v[1], m}'
}

# The physical floor for the given files of $DIR: reading with cat, copying with cp (and sync).
floor_table() {
    echo
    echo "Physical floor on the same files (best of 3, seconds):"
    for f in "$@"; do
        [ -f "$DIR/$f" ] || continue
        size=$(stat -c %s "$DIR/$f")
        printf '%-12s %10d bytes  cat: %ss  cp: %ss  cp+sync: %ss\n' "$f" "$size" \
            "$(best sh -c "cat '$DIR/$f' > /dev/null")" \
            "$(best cp "$DIR/$f" "$DIR/copy")" \
            "$(best sh -c "cp '$DIR/$f' '$DIR/copy' && sync '$DIR/copy'")"
    done
}
