#!/usr/bin/env bash
# The demo: the program against the device simulator (a coordinator and 8 start blocks) and the meet
# server simulator, with a settings folder and a results folder of its own, inside a private network
# namespace, so that no start and no server search of the demo reaches a real network. With a display the
# program shows its project settings and you click OK; without one it runs under Xvfb, OK is pressed for
# you, pictures of the main window in English, German and Dutch are saved once the lanes are live, and
# three races are run (a normal one, a false start in lane 2, lane 3 never reacting), each pictured. The
# console shows what the demo does: what it starts, each race's lanes, where the files and pictures are.
# The output of the build, the program and the simulators goes to a log in the picture's folder, which
# also keeps the race files, the pictures and the meet server's result posts. Every process the demo
# starts ends with it. Run it as root (the namespace needs it).
#
#   bash scripts/demo.sh [--headless] [--screenshot FILE.png] [--build-dir DIR] [--no-install] [--no-build]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

usage() {
    sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
    exit "$1"
}

headless=0
install=1
build=1
build_dir=build/plain
screenshot=
while [ $# -gt 0 ]; do
    case $1 in
        --headless) headless=1 ;;
        --screenshot) screenshot=${2:?--screenshot needs a file}; shift ;;
        --build-dir) build_dir=${2:?--build-dir needs a folder}; shift ;;
        --no-install) install=0 ;;
        --no-build) build=0 ;;
        -h | --help) usage 0 ;;
        *) echo "demo: unknown option $1" >&2; usage 2 ;;
    esac
    shift
done
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || headless=1
build_dir=$(realpath -m "$build_dir")
screenshot=$(realpath -m "${screenshot:-$build_dir/demo/quellor-main-window.png}")
out=$(dirname "$screenshot")
# the window in the other languages, beside the English picture: FILE-de.png, FILE-nl.png
languages=(de_Deutsch nl_Nederlands)
language_picture() { echo "${screenshot%.*}-${1%%_*}.${screenshot##*.}"; }

# the output of everything the demo runs, so that the console keeps what the demo says
mkdir -p "$out"
log=$out/quellor-demo.log
: >"$log"
say() { echo "demo: $*"; }
failed() {
    echo "demo: $1; the end of $log:" >&2
    tail -n 20 "$log" >&2
    exit 1
}
say "the output of the build, the program and the simulators goes to $log"

if [ "$install" = 1 ]; then
    say "installing what the demo needs (scripts/install-deps.sh)"
    bash scripts/install-deps.sh >>"$log" 2>&1 || failed "the installation failed"
fi
if [ "$build" = 1 ]; then
    say "building the program and the simulators in $build_dir"
    { cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
        cmake --build "$build_dir" -j "$(nproc)" --target quellor quellor-demo quellor-sim quellor-meet-sim; } \
        >>"$log" 2>&1 || failed "the build failed"
fi
if [ "$headless" = 1 ] && ! command -v xvfb-run >/dev/null; then
    echo "demo: xvfb-run is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quellor-demo.XXXXXX")
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# the device simulator, reached through a link in the demo's folder; headless, the demo program runs it
# itself, so that it can set what the blocks do in each race
coordinator=15:8d:00:01:00:00
lanes=(1 2 3 4 5 6 7 8)
block_mac() { printf '15:8d:00:00:00:%02x' "$1"; }
{
    printf '{ "coordinator": "%s", "lanes": [' "$coordinator"
    sep=
    for lane in "${lanes[@]}"; do
        printf '%s { "lane": %d, "mac": "%s", "reaction": %d }' "$sep" "$lane" "$(block_mac "$lane")" \
            $((118 + 9 * lane))
        sep=,
    done
    printf ' ] }\n'
} >"$work/scenario.json"
if [ "$headless" = 0 ]; then
    say "starting the device simulator (quellor-sim): a coordinator and ${#lanes[@]} start blocks"
    "$build_dir/sim/quellor-sim" --scenario "$work/scenario.json" --link "$work/coordinator" \
        </dev/null >>"$log" 2>&1 &
    sim_pid=$!
    for _ in $(seq 100); do
        [ -e "$work/coordinator" ] && break
        kill -0 "$sim_pid" 2>/dev/null || failed "the device simulator ended"
        sleep 0.1
    done
    [ -e "$work/coordinator" ] || failed "the device simulator did not start"
fi

# a settings folder of the demo's own: the simulator's port and its set chosen; the race files are kept
# beside the pictures, those of an earlier demo removed
rm -rf "$out/results"
rm -f "$out"/race_*.png "$out/meet-posts.log"
for language in "${languages[@]}"; do rm -f "$(language_picture "$language")"; done
mkdir -p "$work/home" "$work/config/Halvexa" "$out/results"
{
    echo '[%General]'
    echo "last_com=$work/coordinator [Quellor simulator]"
    echo 'last_set=Demo'
    echo "results_dir=$out/results"
    echo 'starter_name=Demo starter'
    echo
    echo '[sets]'
    echo 'sets.count=1'
    echo 'set%200.name=Demo'
    echo "set%200.blocks=$((${#lanes[@]} + 1))"
    echo 'set%200.block%200.lane=0'
    echo "set%200.block%200.mac=$coordinator*"
    for lane in "${lanes[@]}"; do
        echo "set%200.block%20$lane.lane=$lane"
        echo "set%200.block%20$lane.mac=$(block_mac "$lane")"
    done
} >"$work/config/Halvexa/Wireless Quellor.ini"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"

# the program and the meet server simulator share one private network namespace
rm -f "$screenshot"
language_options=()
for language in "${languages[@]}"; do language_options+=(--language "$language"); done
bash scripts/in-netns.sh bash -c '
    set -eu
    if [ "${QUELLOR_TEST_NETNS:-}" != 1 ]; then
        echo "demo: no private network namespace here (run as root); the program is not started" >&2
        exit 1
    fi
    build_dir=$1 work=$2 headless=$3 screenshot=$4 log=$5 posts=$6
    shift 6
    echo "demo: starting the meet server simulator (quellor-meet-sim) in a private network namespace"
    "$build_dir/sim/quellor-meet-sim" --log "$posts" >>"$log" 2>&1 &
    meet_pid=$!
    trap "kill $meet_pid 2>/dev/null || true; wait $meet_pid 2>/dev/null || true" EXIT
    if [ "$headless" = 1 ]; then
        echo "demo: starting the program (quellor-demo) under Xvfb, with the device simulator inside it;" \
            "it presses OK in the project settings"
        # a sanitizer build: the X keyboard library hands strndup a buffer without an end byte, which the
        # strict string check takes for an overflow
        xvfb-run -a -s "-screen 0 1600x1000x24" \
            env QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0" \
            "$build_dir/sim/quellor-demo" --screenshot "$screenshot" "$@" \
            --scenario "$work/scenario.json" --link "$work/coordinator" --log "$log"
    else
        echo "demo: starting the program (quellor); it shows its project settings with the simulator chosen:" \
            "click OK"
        "$build_dir/bin/quellor" >>"$log" 2>&1 || echo "demo: the program ended with exit code $?"
    fi' demo "$build_dir" "$work" "$headless" "$screenshot" "$log" "$out/meet-posts.log" \
    "${language_options[@]}" || failed "the program or a simulator failed"

if [ "$headless" = 1 ]; then
    [ -s "$screenshot" ] || failed "no picture of the main window was saved"
    for language in "${languages[@]}"; do
        [ -s "$(language_picture "$language")" ] || failed "no picture of the main window in $language was saved"
    done
    races=$(find "$out" -maxdepth 1 -name 'race_*.png' | wc -l)
    files=$(find "$out/results" -name 'race_*.vq[12]' | wc -l)
    [ "$races" = 3 ] && [ "$files" = 6 ] || failed "3 races should leave 3 pictures and 6 race files, not $races and $files"
    say "the main window with the simulator's lanes live: $screenshot"
    for language in "${languages[@]}"; do say "the same in ${language#*_}: $(language_picture "$language")"; done
    say "three races saved in $out/results, pictured in $out"
fi
[ -s "$out/meet-posts.log" ] && say "the meet server simulator's result posts: $out/meet-posts.log"
say "the output of the build, the program and the simulators: $log"
