#!/usr/bin/env bash
# Times wertan-ftp against curl on the same transfers from pyftpdlib on loopback:
# get and put of one large file and of many small files, in active and in passive mode.
#
#   bench/ftp/run.sh [BUILD_DIR] [REPEATS]
#
# BUILD_DIR (default build/) holds bin/wertan-ftp. Each transfer runs REPEATS times (default 3)
# and the best time counts. Sizes can be changed with BIG_MB (default 200), SMALL_COUNT
# (default 500) and SMALL_KB (default 10). Prints a Markdown table; the ratio is curl's time
# divided by ours, i.e. our throughput as a fraction of curl's (above 1: faster than curl).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
repeats="${2:-3}"
big_mb="${BIG_MB:-200}"
small_count="${SMALL_COUNT:-500}"
small_kb="${SMALL_KB:-10}"
tool="$build/bin/wertan-ftp"
python=/usr/bin/python3 # Debian's, which has pyftpdlib

for need in "$tool" "$python" /usr/bin/curl; do
  [ -x "$need" ] || { echo "brak programu: $need" >&2; exit 1; }
done

work="$(mktemp -d)"
server_pid=""
cleanup() {
  exec 3>&- 2>/dev/null || true
  [ -n "$server_pid" ] && wait "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

served="$work/served"
local="$work/local"
mkdir -p "$served/small" "$served/up_small_w" "$served/up_small_c" "$local/small" "$local/got_w" "$local/got_c"

echo "Przygotowanie plików: ${big_mb} MB i ${small_count} x ${small_kb} KB..." >&2
head -c "$((big_mb * 1024 * 1024))" /dev/urandom > "$served/big.bin"
cp "$served/big.bin" "$local/big.bin"
small_names=()
for ((i = 0; i < small_count; i++)); do
  name=$(printf 'f%04d.bin' "$i")
  small_names+=("$name")
  head -c "$((small_kb * 1024))" /dev/urandom > "$served/small/$name"
done
cp "$served/small/"*.bin "$local/small/"
last=$(printf '%04d' "$((small_count - 1))")

# The server lives while file descriptor 3 (its standard input) is open.
mkfifo "$work/stdin"
"$python" "$root/tests/ftp/ftp_test_server.py" --root "$served" < "$work/stdin" > "$work/port" 2>"$work/server.log" &
server_pid=$!
exec 3> "$work/stdin"
for _ in $(seq 100); do
  grep -q '^PORT ' "$work/port" 2>/dev/null && break
  sleep 0.1
done
port=$(sed -n 's/^PORT //p' "$work/port")
[ -n "$port" ] || { echo "pyftpdlib nie wystartował" >&2; cat "$work/server.log" >&2; exit 1; }
url="ftp://127.0.0.1:$port"
auth=(-u wertan:tajne)
login=(--host 127.0.0.1 --port "$port" --user wertan --password tajne)

# Best wall time in seconds of a command over the repeats.
best_time() {
  local best="" start end t
  for ((r = 0; r < repeats; r++)); do
    start=$(date +%s%N)
    "$@" > /dev/null 2>&1 || { echo "nieudane: $*" >&2; return 1; }
    end=$(date +%s%N)
    t=$(( (end - start) / 1000 ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  awk -v us="$best" 'BEGIN { printf "%.3f", us / 1e6 }'
}

ours_small_get() {
  local args=()
  for n in "${small_names[@]}"; do args+=(get "small/$n" "$local/got_w/"); done
  "$tool" "${login[@]}" "$1" "${args[@]}"
}
ours_small_put() {
  local args=(cd up_small_w)
  for n in "${small_names[@]}"; do args+=(put "$local/small/$n" "$n"); done
  "$tool" "${login[@]}" "$1" "${args[@]}"
}

echo "| transfer | mode | wertan-ftp s | curl s | ratio (curl time / ours) |"
echo "|---|---|---|---|---|"
for mode in active passive; do
  if [ "$mode" = active ]; then ours=--active; theirs=(--ftp-port 127.0.0.1); else ours=--passive; theirs=(--ftp-pasv); fi
  row() {
    awk -v a="$2" -v b="$3" -v what="$1" -v mode="$mode" \
      'BEGIN { printf "| %s | %s | %s | %s | %.2f |\n", what, mode, a, b, b / a }'
  }

  w=$(best_time "$tool" "${login[@]}" "$ours" get big.bin "$local/big_w.bin")
  c=$(best_time curl -sS "${auth[@]}" "${theirs[@]}" "$url/big.bin" -o "$local/big_c.bin")
  cmp -s "$served/big.bin" "$local/big_w.bin" && cmp -s "$served/big.bin" "$local/big_c.bin" ||
    { echo "pobrany plik różni się od oryginału" >&2; exit 1; }
  row "get ${big_mb} MB" "$w" "$c"

  w=$(best_time "$tool" "${login[@]}" "$ours" put "$local/big.bin" big_up_w.bin)
  c=$(best_time curl -sS "${auth[@]}" "${theirs[@]}" -T "$local/big.bin" "$url/big_up_c.bin")
  cmp -s "$local/big.bin" "$served/big_up_w.bin" && cmp -s "$local/big.bin" "$served/big_up_c.bin" ||
    { echo "wysłany plik różni się od oryginału" >&2; exit 1; }
  row "put ${big_mb} MB" "$w" "$c"

  w=$(best_time ours_small_get "$ours")
  c=$(best_time curl -sS "${auth[@]}" "${theirs[@]}" "$url/small/f[0000-$last].bin" -o "$local/got_c/f#1.bin")
  cmp -s "$served/small/f0000.bin" "$local/got_w/f0000.bin" && cmp -s "$served/small/f$last.bin" "$local/got_c/f$last.bin" ||
    { echo "pobrany mały plik różni się od oryginału" >&2; exit 1; }
  row "get ${small_count} x ${small_kb} KB" "$w" "$c"

  w=$(best_time ours_small_put "$ours")
  c=$(best_time curl -sS "${auth[@]}" "${theirs[@]}" -T "$local/small/f[0000-$last].bin" "$url/up_small_c/")
  cmp -s "$local/small/f$last.bin" "$served/up_small_w/f$last.bin" && cmp -s "$local/small/f$last.bin" "$served/up_small_c/f$last.bin" ||
    { echo "wysłany mały plik różni się od oryginału" >&2; exit 1; }
  row "put ${small_count} x ${small_kb} KB" "$w" "$c"
done
