#!/usr/bin/env bash
# Installs what is missing, builds, and starts the player to try it out: the bundled demo server
# runs on a loopback port, and the player starts in a profile of its own (build/demo-profile)
# where the demo server is already added, so your own servers and caches are never touched. The
# player pairs phones with its built-in backend, on the home network; --loopback-pairing runs
# the pairing backend on loopback instead. Closing the player stops the servers.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    cat <<'EOF'
Usage: scripts/run.sh [--own-profile] [--loopback-pairing] [--no-build]

Builds the player and starts it with the demo server (a made-up IPTV server with live channels,
movies and series) on 127.0.0.1. A phone on the same Wi-Fi pairs with the player's built-in
backend. Closing the player stops the servers.

  (no option)         a separate demo profile under build/demo-profile with the demo server added
  --own-profile       your own profile (~/.config/Velmora, ~/.local/share/Velmora); the demo
                      server still runs, add it yourself with the address printed below
  --loopback-pairing  run velmora-pairing-server on 127.0.0.1 and point the player at it (only
                      this computer reaches it: for trying pairing without a phone)
  --no-build          start what the build folder holds, without installing or building
  -h, --help          this text

Environment: VELMORA_BUILD_DIR (default build), VELMORA_DEMO_SCALE (number of demo movies,
default 3000; a tenth as many channels, a fifth as many series).
EOF
}

own_profile=0
loopback_pairing=0
build_first=1
for arg in "$@"; do
    case $arg in
    --own-profile) own_profile=1 ;;
    --loopback-pairing) loopback_pairing=1 ;;
    --no-build) build_first=0 ;;
    -h | --help)
        usage
        exit 0
        ;;
    *)
        echo "scripts/run.sh: unknown option '$arg'" >&2
        usage >&2
        exit 2
        ;;
    esac
done

if ((build_first)); then
    scripts/install-deps.sh --demo
    # Only what is started below: the tests and benchmarks are built by scripts/test.sh.
    VELMORA_TARGETS="velmora-player velmora-demo-server velmora-demo-profile velmora-pairing-server" \
        scripts/build.sh
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "scripts/run.sh: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a terminal of your desktop session (over SSH: ssh -X, or set DISPLAY)." >&2
    exit 1
fi

build=$(cd "${VELMORA_BUILD_DIR:-build}" && pwd)
player=$build/src/velmora-player
demo_server=$build/tools/demo-server/velmora-demo-server
demo_profile_tool=$build/tools/demo-server/velmora-demo-profile
pairing_server=$build/tools/pairing-server/velmora-pairing-server
for program in "$player" "$demo_server" "$demo_profile_tool" "$pairing_server"; do
    if [ ! -x "$program" ]; then
        echo "scripts/run.sh: $program was not built (is VELMORA_BUILD_TOOLS off in $build?)" >&2
        exit 1
    fi
done

# The servers' output of the latest run stays here for a look afterwards.
run_dir=$build/run-logs
rm -rf "$run_dir"
mkdir -p "$run_dir"
# Everything started here ends with this script: when the player closes, on Ctrl-C, or when
# the script itself is told to stop.
child_pids=()
stop_children() {
    local pid
    for pid in "${child_pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${child_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}
trap stop_children EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# start_server NAME PREFIX COMMAND...: starts COMMAND in the background and waits until it prints
# a line starting with PREFIX; the rest of that line goes into $server_url. Fails when the
# program ends first (its error output is then shown) or says nothing for 30 seconds.
server_url=
start_server() {
    local name=$1 prefix=$2 line pid i
    shift 2
    "$@" >"$run_dir/$name.out" 2>"$run_dir/$name.log" &
    pid=$!
    for ((i = 0; i < 300; i++)); do
        line=$(grep -m1 "^$prefix" "$run_dir/$name.out" || true)
        if [ -n "$line" ]; then
            child_pids+=("$pid")
            server_url=${line#"$prefix"}
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return 1
}

# The demo server keeps its port between runs when it can, so a server added by hand to your own
# profile keeps working and the demo profile can open its catalog from the cache.
port_file=$build/demo-server-port
port=$(cat "$port_file" 2>/dev/null || echo 8088)
demo_args=(--data-dir "$build/demo-server-data" --scale "${VELMORA_DEMO_SCALE:-3000}")
if ! start_server demo DEMO_SERVER_URL= "$demo_server" --listen "127.0.0.1:$port" "${demo_args[@]}" &&
    ! start_server demo DEMO_SERVER_URL= "$demo_server" --listen 127.0.0.1:0 "${demo_args[@]}"; then
    echo "scripts/run.sh: the demo server did not start:" >&2
    cat "$run_dir/demo.log" >&2
    exit 1
fi
demo_url=$server_url
echo "${demo_url##*:}" >"$port_file"

echo "Demo server:     $demo_url (Xtream: user demo, password demo; M3U: $demo_url/playlist.m3u)"
if ((loopback_pairing)); then
    if ! start_server pairing "listening " "$pairing_server" --listen 127.0.0.1:0; then
        echo "scripts/run.sh: the pairing backend did not start:" >&2
        cat "$run_dir/pairing.log" >&2
        exit 1
    fi
    export VELMORA_BACKEND_URL=$server_url
    echo "Pairing backend: $server_url (only this computer reaches it)"
elif [ -n "${VELMORA_BACKEND_URL:-}" ]; then
    echo "Pairing backend: $VELMORA_BACKEND_URL (from VELMORA_BACKEND_URL)"
else
    echo "Pairing backend: built into the player, on this computer's home-network address"
    echo "                 (port 8787 when free; a phone on the same Wi-Fi can pair)"
fi
if ((own_profile)); then
    echo "Profile:         your own"
else
    profile=$build/demo-profile
    mkdir -p "$profile/config" "$profile/data"
    export XDG_CONFIG_HOME=$profile/config XDG_DATA_HOME=$profile/data
    "$demo_profile_tool" --url "$demo_url" >/dev/null
    echo "Profile:         $profile (scripts/run.sh --own-profile uses yours)"
fi
echo "Server logs:     $run_dir"

# In the background, so that a signal to this script is handled at once (bash runs traps only
# between commands, and waiting is interruptible).
"$player" &
player_pid=$!
child_pids=("$player_pid" "${child_pids[@]}") # the player goes first, before its servers
status=0
wait "$player_pid" || status=$?
exit "$status"
