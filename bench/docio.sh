#!/usr/bin/env bash
# Loading and saving 50 MB documents, next to the physical floor of the same
# machine in the same run: reading the file with cat and copying it with cp.
# Usage: bench/docio.sh [build directory]   (default: build)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup docio "$@"
export SJ_DOCIO_DIR=$DIR
"$BIN" --benchmark_filter='Load|Save' --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
floor_table crlf.txt lf.txt cp1252.txt
