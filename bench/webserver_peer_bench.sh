#!/bin/sh
# Serves the same 1 KB body from the embedded server's test host and from the
# peer server, one after the other, and reports keep-alive requests/s (wrk,
# 2 threads, 50 connections, 10 s, median of 3 runs) and idle latency (200
# sequential requests on new connections: median and maximum). Over TLS (one
# RSA 2048 certificate for both, as the web UI makes) it reports keep-alive
# requests/s and requests/s with a new connection and a full handshake per
# request ("Connection: close"), both as medians of 3 runs, the host's share
# of the peer's figure, and each server's CPU time per request over the
# runs, which a busy machine disturbs less than the rates.
#
# Prerequisites: the Debian packages nginx-light, wrk and openssl, and python3.
#
# Usage: bench/webserver_peer_bench.sh [path/to/kwhttpd_test_host]
# Build the host in Release first, outside the clone, e.g.:
#   cmake -S . -B /tmp/kw-ws-bench -DCMAKE_BUILD_TYPE=Release -DKW_BUILD_BENCH=OFF
#   cmake --build /tmp/kw-ws-bench -j4 --target kwhttpd_test_host
# Not part of the test run: it measures speed.
set -eu

host_bin=${1:-/tmp/kw-ws-bench/tests/kwhttpd_test_host}
peer_bin=$(command -v nginx || true)
[ -n "$peer_bin" ] || [ ! -x /usr/sbin/nginx ] || peer_bin=/usr/sbin/nginx
for tool in "$peer_bin" "$(command -v wrk || true)" "$(command -v python3 || true)" "$(command -v openssl || true)"; do
    if [ -z "$tool" ]; then
        echo "skipped: the peer server, wrk, openssl or python3 is not installed"
        exit 0
    fi
done
if [ ! -x "$host_bin" ]; then
    echo "skipped: no test host at $host_bin (build it in Release first)"
    exit 0
fi

work=$(mktemp -d /tmp/kw-ws-bench-run-XXXXXX)
pid=""
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

free_port() {
    python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Requests/s of three wrk runs, median; further arguments go to wrk. The
# runs' output stays in $work/runs.txt.
keepalive_rps() {
    url=$1
    shift
    : > "$work/runs.txt"
    for run in 1 2 3; do
        wrk -t2 -c50 -d10s "$@" "$url" | tee -a "$work/runs.txt" | awk '/^Requests\/sec:/ { print $2 }'
    done | sort -n | sed -n 2p
}

# CPU time of a server process and its children (the peer's worker), in
# clock ticks.
server_ticks() {
    for p in "$1" $(cat "/proc/$1/task/$1/children" 2>/dev/null); do
        awk '{ print $14 + $15 }' "/proc/$p/stat"
    done | awk '{ s += $1 } END { print s }'
}

# Server CPU milliseconds per request over the last runs, from the ticks
# before and after them.
cpu_per_request() {
    awk -v before="$1" -v after="$2" -v hz="$(getconf CLK_TCK)" \
        '/ requests in / { n += $1 } END { printf "%.3f ms", (after - before) * 1000 / hz / n }' "$work/runs.txt"
}

# A new connection per request: with TLS, a full handshake each, as wrk
# resumes no session.
close_rps() {
    keepalive_rps "$1" -H "Connection: close"
}

# The host's figure as a share of the peer's.
ratio() {
    python3 -c 'import sys; print("%.2fx" % (float(sys.argv[1]) / float(sys.argv[2])))' "$1" "$2"
}

# 200 sequential requests, each on a new connection: median and maximum in ms.
idle_latency() {
    python3 - "$1" "$2" <<'PY'
import socket, sys, time
port, path = int(sys.argv[1]), sys.argv[2]
request = ("GET %s HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n" % path).encode()
times = []
for _ in range(200):
    start = time.perf_counter()
    s = socket.create_connection(("127.0.0.1", port))
    s.sendall(request)
    while s.recv(65536):
        pass
    s.close()
    times.append((time.perf_counter() - start) * 1000)
times.sort()
print("median %.3f ms, max %.3f ms" % (times[len(times) // 2], times[-1]))
PY
}

wait_for_port() {
    python3 - "$1" <<'PY'
import socket, sys, time
for _ in range(100):
    try:
        socket.create_connection(("127.0.0.1", int(sys.argv[1]))).close()
        sys.exit(0)
    except OSError:
        time.sleep(0.05)
sys.exit(1)
PY
}

# Figures from a busy machine are low for both servers and noisy.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
head -c 1024 /dev/zero | tr '\0' 'x' > "$work/file.bin"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 \
    -keyout "$work/tls.key" -out "$work/tls.crt" 2>/dev/null
cat "$work/tls.key" "$work/tls.crt" > "$work/tls.pem"

# The peer server: one worker, 127.0.0.1 only, everything under $work.
peer_port=$(free_port)
peer_tls_port=$(free_port)
mkdir -p "$work/logs"
cat > "$work/peer.conf" <<CONF
worker_processes 1;
pid $work/peer.pid;
error_log $work/logs/error.log;
events { worker_connections 1024; }
http {
    access_log off;
    client_body_temp_path $work/tmp;
    server {
        listen 127.0.0.1:$peer_port;
        listen 127.0.0.1:$peer_tls_port ssl;
        ssl_certificate $work/tls.pem;
        ssl_certificate_key $work/tls.pem;
        ssl_protocols TLSv1.2 TLSv1.3;
        root $work;
    }
}
CONF
"$peer_bin" -p "$work" -c "$work/peer.conf" -g 'daemon off;' &
pid=$!
wait_for_port "$peer_port"
peer_rps=$(keepalive_rps "http://127.0.0.1:$peer_port/file.bin")
peer_close_rps=$(wrk -t2 -c50 -d10s -H "Connection: close" "http://127.0.0.1:$peer_port/file.bin" | awk '/^Requests\/sec:/ { print $2 }')
peer_latency=$(idle_latency "$peer_port" /file.bin)
ticks=$(server_ticks "$pid")
peer_tls_rps=$(keepalive_rps "https://127.0.0.1:$peer_tls_port/file.bin")
peer_tls_cpu=$(cpu_per_request "$ticks" "$(server_ticks "$pid")")
ticks=$(server_ticks "$pid")
peer_tls_close_rps=$(close_rps "https://127.0.0.1:$peer_tls_port/file.bin")
peer_tls_close_cpu=$(cpu_per_request "$ticks" "$(server_ticks "$pid")")
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

# The test host, one worker, polling every 1000 ms as the web UI does.
host_port=$(free_port)
host_tls_port=$(free_port)
"$host_bin" -ports "$host_port,${host_tls_port}s" -ssl_cert "$work/tls.pem" -root "$work" > "$work/host.out" &
pid=$!
wait_for_port "$host_port"
host_rps=$(keepalive_rps "http://127.0.0.1:$host_port/big?n=1024")
host_latency=$(idle_latency "$host_port" "/big?n=1024")
# Over TLS the host serves the peer's file: a callback's reply has no length
# the server knows, so it ends with its connection.
ticks=$(server_ticks "$pid")
host_tls_rps=$(keepalive_rps "https://127.0.0.1:$host_tls_port/file.bin")
host_tls_cpu=$(cpu_per_request "$ticks" "$(server_ticks "$pid")")
ticks=$(server_ticks "$pid")
host_tls_close_rps=$(close_rps "https://127.0.0.1:$host_tls_port/file.bin")
host_tls_close_cpu=$(cpu_per_request "$ticks" "$(server_ticks "$pid")")
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

echo "load average before and after: $load_before / $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo "1 KB requests/s, wrk -t2 -c50 -d10s, median of 3:"
echo "  peer server (keep-alive):         $peer_rps"
echo "  peer server (Connection: close):  $peer_close_rps"
echo "  test host (callback reply, closes): $host_rps"
echo "1 KB over TLS, requests/s, wrk -t2 -c50 -d10s, median of 3:"
echo "  keep-alive:  peer server $peer_tls_rps, test host $host_tls_rps ($(ratio "$host_tls_rps" "$peer_tls_rps"))"
echo "               CPU per request: peer server $peer_tls_cpu, test host $host_tls_cpu"
echo "  new connection and full handshake per request (Connection: close):"
echo "               peer server $peer_tls_close_rps, test host $host_tls_close_rps ($(ratio "$host_tls_close_rps" "$peer_tls_close_rps"))"
echo "               CPU per request: peer server $peer_tls_close_cpu, test host $host_tls_close_cpu"
echo "idle latency, 200 sequential requests on new connections:"
echo "  peer server: $peer_latency"
echo "  test host:   $host_latency"
