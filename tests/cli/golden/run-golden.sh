#!/usr/bin/env bash
# Runs every case of cases.txt through kvor-cli and compares stdout, stderr, the exit status and
# every file the case wrote with the recorded bytes in this folder.
#   run-golden.sh KVOR_CLI [--record]
# --record rewrites the recorded files; use it only when an output is meant to change.
# Every case runs once per thread count of KVOR_GOLDEN_THREADS (default "1 2 3 8"), each against
# the same recorded bytes: the results must not depend on the number of threads.
set -uo pipefail

cli="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
record="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/kvor-golden.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# Pools of integer pairs, so that the files are the same wherever awk runs.
make_pool() { # count
    awk -v n="$1" 'BEGIN { for (i = 1; i <= n; i++) {
        x = 1000 + (i * 7919) % 9000; printf "%d,%d\n", x, x + (i * 104729) % 201 - 100 } }'
}
make_pool 5000 >"$work/pool.csv"
make_pool 100000 >"$work/bigpool.csv"
# Sequential sets of 3 give set 17 the pairs 49..51, which share one X.
awk 'BEGIN { for (i = 0; i < 3000; i++) {
    x = (i >= 48 && i < 51) ? 425 : 100 + (i % 3) * 300 + (i % 7) * 5
    printf "%d,%d\r\n", x, x + (i % 5 - 2) * 2 } }' >"$work/badpool.csv"
printf '1,2\n3,4\n' >"$work/short.csv"
# Three X-values only: about one set of 3 in 9 has a single X and cannot be fitted.
awk 'BEGIN { for (i = 1; i <= 100000; i++) { x = 1000 + (i % 3) * 500
    printf "%d,%d\n", x, x + (i * 104729) % 201 - 100 } }' >"$work/fewx.csv"

threads_list="${KVOR_GOLDEN_THREADS:-1 2 3 8}"
[ "$record" = "--record" ] && threads_list="1"

failures=0
for threads in $threads_list; do
while IFS= read -r line; do
    case "$line" in '' | '#'*) continue ;; esac
    read -r name status rest <<<"$line"
    out="$work/$name"
    mkdir -p "$out"
    rest="${rest//@POOLS@/$work}"
    rest="${rest//@OUT@/$out}"
    read -r -a args <<<"$rest"
    args+=(--threads "$threads")
    rm -rf "$out" && mkdir -p "$out"
    (cd "$out" && "$cli" "${args[@]}" >"$work/$name.stdout" 2>"$work/$name.stderr" </dev/null)
    got=$?
    files=("$name.out:$work/$name.stdout")
    [ -s "$work/$name.stderr" ] || [ -e "$here/$name.err" ] && files+=("$name.err:$work/$name.stderr")
    for f in "$out"/*; do
        [ -e "$f" ] && files+=("$name.$(basename "$f"):$f")
    done
    if [ "$record" = "--record" ]; then
        rm -f "$here/$name".*
        for pair in "${files[@]}"; do cp "${pair#*:}" "$here/${pair%%:*}"; done
        [ "$got" = "$status" ] || echo "$name: exit $got (cases.txt says $status)"
        continue
    fi
    if [ "$got" != "$status" ]; then
        echo "$name (threads $threads): exit status $got, expected $status"
        failures=$((failures + 1))
    fi
    for pair in "${files[@]}"; do
        expected="$here/${pair%%:*}"
        if ! cmp -s "$expected" "${pair#*:}"; then
            echo "$name (threads $threads): ${pair%%:*} differs"
            diff <(head -c 4000 "$expected" 2>/dev/null) <(head -c 4000 "${pair#*:}") | head -20
            failures=$((failures + 1))
        fi
    done
    for expected in "$here/$name".*; do
        written="${expected##*/}"
        written="${written#"$name".}"
        case "$written" in out | err) continue ;; esac
        if [ ! -e "$out/$written" ]; then
            echo "$name (threads $threads): $written was not written"
            failures=$((failures + 1))
        fi
    done
done <"$here/cases.txt"
done

[ "$failures" -eq 0 ] && [ "$record" != "--record" ] && echo "all golden outputs match"
exit $((failures > 0))
