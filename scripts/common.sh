# Shared by scripts/run and scripts/test: install what is missing, configure, build.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PACKAGES=(build-essential cmake ninja-build qt6-base-dev libqscintilla2-qt6-dev libicu-dev
          libgtest-dev libbenchmark-dev xvfb xauth xdotool fonts-dejavu-core ccache clang
          adwaita-icon-theme libqt6svg6 poppler-utils x11-utils patch clang-format)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

# Every C++ file of src/, tests/ and bench/ as clang-format would leave it;
# names the ones that differ and fails.
check_format() {
    local files
    if git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        files=$(git -C "$ROOT" ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
    else
        files=$(cd "$ROOT" && find src tests bench -name '*.cpp' -o -name '*.h' | sort)
    fi
    (cd "$ROOT" && echo "$files" | xargs clang-format --dry-run -Werror)
}

build() {
    local dir=$1
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# The fuzz targets, built with Clang and sanitizers in a directory of their
# own, each run for a few seconds over its committed seed corpus (new inputs
# go to a scratch directory, so the tree stays as it is).
fuzz_smoke() {
    local dir="$ROOT/build-fuzz" seconds=${SJ_FUZZ_SECONDS:-5}
    local cxx
    cxx=$(command -v clang++-14 || command -v clang++)
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
        -DSJ_FUZZ=ON -DSJ_BUILD_TESTS=OFF -DSJ_BUILD_BENCH=OFF >/dev/null
    cmake --build "$dir" --target fuzz_all -j "$(nproc)"
    local work
    work=$(mktemp -d)
    for corpus in "$ROOT"/tests/fuzz/corpus/*/; do
        local name
        name=$(basename "$corpus")
        mkdir -p "$work/$name"
        if ! (cd "$work" && "$dir/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
                -rss_limit_mb=2048 "$work/$name" "$corpus" >"$work/$name.log" 2>&1); then
            tail -n 40 "$work/$name.log"
            echo "fuzz_$name found a fault; the input is in $work"
            return 1
        fi
        echo "fuzz_$name: $(grep -o 'Done [0-9]* runs' "$work/$name.log")"
    done
    rm -rf "$work"
}
