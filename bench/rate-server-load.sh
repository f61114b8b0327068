#!/usr/bin/env bash
# Requests per second of ratepad-rate-server with keep-alive, measured with wrk against nginx
# serving a static file of the same reply, in the same run: one worker each, 32 connections.
#   bench/rate-server-load.sh [BUILD] [SECONDS]
# The server answers from a rate table dated today, so every request computes a real cross rate
# from the cached data (no download is made).
source "$(dirname "$0")/../scripts/lib/common.sh"
ratepad_install wrk nginx curl bc
build="${1:-$RATEPAD_BUILD}"
seconds="${2:-5}"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

cp "$RATEPAD_ROOT/resources/ExchangeRates.plist" "$work/rates.plist"
touch "$work/rates.plist" # dated today
RATEPAD_BUILD="$build" ratepad_start_rate_server /dev/null --rates "$work/rates.plist"
server="$RATEPAD_SERVER_HOST"
path="/webservice/CurrencyServerWebService.asmx/getCurrencyValue"
query="provider=AVERAGE&srcCurrency=EUR&dstCurrency=JPY"

# nginx serves the very bytes the server answers, from a file.
mkdir -p "$work/www/webservice/CurrencyServerWebService.asmx"
curl -s "http://$server$path?$query" >"$work/www$path"
nginx_port=$((20000 + RANDOM % 20000))
cat >"$work/nginx.conf" <<CONF
user root;
worker_processes 1;
daemon off;
pid $work/nginx.pid;
error_log stderr error;
events { worker_connections 1024; }
http {
    access_log off;
    server {
        listen 127.0.0.1:$nginx_port;
        location / { root $work/www; default_type text/xml; }
    }
}
CONF
nginx -c "$work/nginx.conf" -e stderr &
sleep 0.5

rate() { wrk -t1 -c32 -d"${seconds}s" "$1" | awk '/^Requests\/sec/ {print $2}'; }
for round in 1 2; do
    ours=$(rate "http://$server$path?$query")
    theirs=$(rate "http://127.0.0.1:$nginx_port$path?$query")
    printf 'round %d: ratepad-rate-server %8.0f req/s, nginx %8.0f req/s, ratio %.2fx\n' \
        "$round" "$ours" "$theirs" "$(echo "$ours / $theirs" | bc -l)"
done
