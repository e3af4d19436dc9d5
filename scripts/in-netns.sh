#!/usr/bin/env bash
# Runs a command in a private network namespace: loopback up, a veth pair carrying 10.99.0.1/24 with
# broadcast 10.99.0.255, and 255.255.255.255 routed to lo. Broadcasts reach listeners inside the namespace
# and nothing leaves the machine. QUELLOR_TEST_NETNS=1 tells the tests that broadcasting is safe.
# Without namespace rights the command runs as it is, with QUELLOR_TEST_NETNS unset, and the tests that
# would broadcast skip.
set -eu
[ $# -gt 0 ] || { echo "usage: in-netns.sh CMD [ARGS...]" >&2; exit 2; }

if unshare -n true 2>/dev/null && command -v ip >/dev/null; then
    exec unshare -n bash -c '
        set -e
        ip link set lo up
        ip link add qv0 type veth peer name qv1
        ip addr add 10.99.0.1/24 brd 10.99.0.255 dev qv0
        ip link set qv0 up
        ip link set qv1 up
        ip route add 255.255.255.255/32 dev lo
        export QUELLOR_TEST_NETNS=1
        exec "$@"' in-netns "$@"
fi

echo "in-netns: no private network namespace here; tests that broadcast will skip" >&2
unset QUELLOR_TEST_NETNS
exec "$@"
