#!/usr/bin/env bash
# Builds the release benchmarks in build-bench/ and prints every figure beside its baseline and
# target. Start-up and memory are measured from outside, on a private X screen, with the real
# binary started as a person starts it; Predivo and the bare window take turns so that a change
# in the machine's load falls on both alike. RUNS sets the number of rounds (20). Exits non-zero
# when a figure misses its target.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../scripts/setup.sh"
build=$root/build-bench
runs=${RUNS:-20}
warmup=2

configure "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target predivo bare_window map_watch gui_bench calc_bench window_churn >&2

tmp=$(mktemp -d)
chmod 700 "$tmp"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# Each server runs in a session of its own, so that whatever it starts ends with it.
mkfifo "$tmp/display" "$tmp/bus"
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
pids+=($!)
read -r display <"$tmp/display" || { echo "Xvfb did not start" >&2; exit 1; }
# A desktop always has a session bus; without one the toolkit would look for its own.
setsid dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" >/dev/null 2>&1 &
pids+=($!)
read -r bus <"$tmp/bus" || { echo "the session bus did not start" >&2; exit 1; }
desktop=(env -i "HOME=$HOME" "PATH=$PATH" "LANG=${LANG:-C.UTF-8}" "DISPLAY=:$display"
    "DBUS_SESSION_BUS_ADDRESS=$bus" "XDG_RUNTIME_DIR=$tmp")

# Predivo's second window is the calculator. "german" is Predivo with its German translation
# loaded, as a desktop in German starts it.
watch() { "${desktop[@]}" "$build/bench/map_watch" "$@"; }
german=(LANGUAGE=de LANG=de_DE.UTF-8)
echo "Start-up: $warmup warm-up rounds, then $runs rounds of each program in turn..." >&2
orders=("predivo german bare" "bare predivo german" "german bare predivo")
for ((i = 0; i < warmup + runs; i++)); do
    for who in ${orders[i % 3]}; do
        case $who in
        predivo) line=$(watch 2 "$build/predivo") ;;
        german) line=$("${desktop[@]}" "${german[@]}" "$build/bench/map_watch" 2 "$build/predivo") ;;
        *) line=$(watch 1 "$build/bench/bare_window") ;;
        esac
        ((i < warmup)) || echo "$line" >>"$tmp/$who"
    done
done

bench_json() {
    "$@" --benchmark_repetitions=10 --benchmark_out_format=json \
        --benchmark_out="$tmp/$(basename "$1").json" >/dev/null 2>"$tmp/log" ||
        { cat "$tmp/log" >&2; exit 1; }
}
echo "Calculate click and engine benchmarks..." >&2
bench_json "$build/bench/gui_bench"
bench_json "$build/bench/calc_bench"
echo "Pictures on a screen at twice the pixels, and exports..." >&2
cp "$build/bench/gui_bench" "$build/bench/pictures_bench"
QT_SCALE_FACTOR=2 bench_json "$build/bench/pictures_bench" --benchmark_filter='Pictures|Export'

median() {
    sort -g | awk '{ v[NR] = $1 }
        END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# Median over the repetitions, in the unit asked for, and the number of timed runs in all.
bench_median() {
    /usr/bin/python3 - "$tmp/$1.json" "$2" "$3" <<'EOF'
import json, sys
rows = json.load(open(sys.argv[1]))["benchmarks"]
scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
median = next(r for r in rows if r["name"] == sys.argv[2] + "_median")
runs = sum(r["iterations"] for r in rows
           if r["run_name"] == median["run_name"] and r["run_type"] == "iteration")
print(median["real_time"] * scale[median["time_unit"]] / scale[sys.argv[3]], runs)
EOF
}

printf '\n%-44s %10s %10s %6s %-10s %-4s %s\n' figure Predivo baseline ratio target pass runs
row() {  # name predivo baseline target unit runs; target: xRATIO, a largest value, or info
    local ratio=- verdict=- target=info
    [[ $3 == - ]] || ratio=$(awk -v p="$2" -v b="$3" 'BEGIN { printf "%.2f", p / b }')
    if [[ $4 == x* ]]; then
        verdict=$(awk -v r="$ratio" -v t="${4#x}" 'BEGIN { print r <= t ? "pass" : "FAIL" }')
        target="<= ${4#x} x"
    elif [[ $4 != info ]]; then
        verdict=$(awk -v p="$2" -v t="$4" 'BEGIN { print p <= t ? "pass" : "FAIL" }')
        target="<= $4 $5"
    fi
    [[ $verdict != FAIL ]] || failed=1
    printf '%-44s %10s %10s %6s %-10s %-4s %s\n' "$1" "$2 $5" \
        "$([[ $3 == - ]] && echo - || echo "$3 $5")" "$ratio" "$target" "$verdict" "$6"
}
failed=0
# Columns of the start-up records: wall ms, processor ms, then resident kB after each window.
mid() { awk -v c="$2" '{ print $c }' "$tmp/$1" | median | awk -v d="$3" '{ printf "%.1f", $1/d }'; }
low() { awk -v c="$2" '{ print $c }' "$tmp/$1" | sort -g | head -1 | awk '{ printf "%.1f", $1 }'; }
each="$runs each"
row "(a) start to first window mapped" "$(mid predivo 1 1)" "$(mid bare 1 1)" x1.10 ms "$each"
row "    fastest run" "$(low predivo 1)" "$(low bare 1)" info ms "$each"
row "    with the German translation" "$(mid german 1 1)" "$(mid bare 1 1)" x1.10 ms "$each"
row "    processor time used by then" "$(mid predivo 2 1)" "$(mid bare 2 1)" info ms "$each"
row "(b) VmRSS 1 s after first window maps" "$(mid predivo 3 1024)" "$(mid bare 3 1024)" x1.15 MB \
    "$each"
row "    1 s after the calculator maps" "$(mid predivo 4 1024)" "$(mid bare 3 1024)" info MB "$each"
read -r click clicks < <(bench_median gui_bench BM_CalculateClick/manual_time ms)
read -r bare _ < <(bench_median gui_bench BM_BareQtClick/manual_time ms)
row "(c) Calculate click to pppFld repainted" "$(printf %.3f "$click")" "$(printf %.3f "$bare")" \
    16 ms "10 x $((clicks / 10)) clicks"
read -r t n < <(bench_median gui_bench BM_OpenExplanation/manual_time ms)
row "(e) Explanation window opened and painted" "$(printf %.3f "$t")" - 50 ms "10 x $((n / 10))"
read -r t n < <(bench_median gui_bench BM_ExplanationKeystroke/manual_time ms)
row "(f) keystroke to explanation repainted" "$(printf %.3f "$t")" - 16 ms "10 x $((n / 10))"
read -r t n < <(bench_median pictures_bench BM_PicturesKeystroke/manual_time ms)
row "(h) keystroke to three pictures repainted, 2x" "$(printf %.3f "$t")" - 16 ms "10 x $((n / 10))"
for format in svg png; do
    read -r t n < <(bench_median pictures_bench "BM_Export/$format/manual_time" ms)
    row "(i) largest icon array exported as $format" "$(printf %.3f "$t")" - 200 ms "10 x $((n / 10))"
done
for name in Frequencies Percentages; do
    read -r t n < <(bench_median calc_bench "BM_$name" ns)
    row "(d) calc_bench $name" "$(printf %.1f "$t")" - 200 ns "10 x $((n / 10))"
done
echo "Description window opened and closed 1000 times..." >&2
row "(g) heap growth over 1000 description rounds" "$("$build/bench/window_churn" 1000)" - 200 kB \
    "1000 rounds"
echo "Medians. Baselines: (a) (b) bare_window, plain Qt with the same menus and controls; (c) a"
echo "bare Qt button that only sets a field's text. Load average $(cut -d' ' -f1-3 /proc/loadavg)."
exit $failed
