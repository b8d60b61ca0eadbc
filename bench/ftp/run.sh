#!/usr/bin/env bash
# Times wertan-ftp against curl on the same transfers from pyftpdlib on loopback:
# get and put of one large file and of many small files, in active and in passive mode.
#
#   bench/ftp/run.sh [BUILD_DIR] [REPEATS]
#
# BUILD_DIR (default build/) holds bin/wertan-ftp. Each transfer runs REPEATS times (default 5);
# in every repetition wertan-ftp and curl run right after each other, taking turns at going
# first, so that both meet the same load of the machine. Sizes can be changed with BIG_MB
# (default 200), SMALL_COUNT (default 500) and SMALL_KB (default 10); ONLY=big or ONLY=small
# limits the run to one kind of transfer. Prints a Markdown table of medians with their range
# (lowest - highest). The files live under WORK_BASE (default /dev/shm, a memory file system, so
# that the server's writes to disk, which are the same for both tools but come at random moments,
# do not drown the difference between the clients; WORK_BASE=/tmp measures with the disk). The
# ratio is curl's median time divided by ours, i.e. our throughput as a fraction of curl's (above
# 1: faster than curl); the pair ratio is the median and range of the same ratio taken within
# each repetition.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
repeats="${2:-5}"
only="${ONLY:-}"
big_mb="${BIG_MB:-200}"
small_count="${SMALL_COUNT:-500}"
small_kb="${SMALL_KB:-10}"
tool="$build/bin/wertan-ftp"
python=/usr/bin/python3 # Debian's, which has pyftpdlib

for need in "$tool" "$python" /usr/bin/curl; do
  [ -x "$need" ] || { echo "brak programu: $need" >&2; exit 1; }
done

work_base="${WORK_BASE:-/dev/shm}"
[ -d "$work_base" ] && [ -w "$work_base" ] || work_base=/tmp
work="$(mktemp -d -p "$work_base")"
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

# Wall time of one command in microseconds.
time_us() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null 2>&1 || { echo "nieudane: $*" >&2; return 1; }
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

# Runs ours (first argument, a function) and curl (second) REPEATS times, taking turns at going
# first, and prints a table row: medians with their ranges, the ratio of the medians and the
# median and range of the ratios of the pairs.
pair_row() {
  local what="$1" ours_cmd="$2" theirs_cmd="$3" w c ws=() cs=()
  for ((r = 0; r < repeats; r++)); do
    if ((r % 2 == 0)); then
      w=$(time_us "$ours_cmd") || return 1
      c=$(time_us "$theirs_cmd") || return 1
    else
      c=$(time_us "$theirs_cmd") || return 1
      w=$(time_us "$ours_cmd") || return 1
    fi
    ws+=("$w")
    cs+=("$c")
  done
  printf '%s\n' "${ws[*]}" "${cs[*]}" | awk -v what="$what" -v mode="$mode" '
    function sort(a, n,   i, j, t) { for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j-1] > a[j]; j--) { t = a[j]; a[j] = a[j-1]; a[j-1] = t } }
    function median(a, n) { return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
    NR == 1 { n = split($0, w, " ") }
    NR == 2 { split($0, c, " ") }
    END {
      for (i = 1; i <= n; i++) r[i] = c[i] / w[i]
      sort(w, n); sort(c, n); sort(r, n)
      printf "| %s | %s | %.3f (%.3f - %.3f) | %.3f (%.3f - %.3f) | %.2f | %.2f (%.2f - %.2f) |\n", what, mode,
        median(w, n) / 1e6, w[1] / 1e6, w[n] / 1e6, median(c, n) / 1e6, c[1] / 1e6, c[n] / 1e6,
        median(c, n) / median(w, n), median(r, n), r[1], r[n]
    }'
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

ours_big_get() { "$tool" "${login[@]}" "$ours" get big.bin "$local/big_w.bin"; }
curl_big_get() { curl -sS "${auth[@]}" "${theirs[@]}" "$url/big.bin" -o "$local/big_c.bin"; }
ours_big_put() { "$tool" "${login[@]}" "$ours" put "$local/big.bin" big_up_w.bin; }
curl_big_put() { curl -sS "${auth[@]}" "${theirs[@]}" -T "$local/big.bin" "$url/big_up_c.bin"; }
ours_small_get_mode() { ours_small_get "$ours"; }
curl_small_get() { curl -sS "${auth[@]}" "${theirs[@]}" "$url/small/f[0000-$last].bin" -o "$local/got_c/f#1.bin"; }
ours_small_put_mode() { ours_small_put "$ours"; }
curl_small_put() { curl -sS "${auth[@]}" "${theirs[@]}" -T "$local/small/f[0000-$last].bin" "$url/up_small_c/"; }

echo "Powtórzeń: $repeats; w każdym wertan-ftp i curl na zmianę jako pierwszy." >&2
echo "| transfer | mode | wertan-ftp s, median (range) | curl s, median (range) | ratio of medians | pair ratio, median (range) |"
echo "|---|---|---|---|---|---|"
for mode in active passive; do
  if [ "$mode" = active ]; then ours=--active; theirs=(--ftp-port 127.0.0.1); else ours=--passive; theirs=(--ftp-pasv); fi

  if [ "$only" != small ]; then
    pair_row "get ${big_mb} MB" ours_big_get curl_big_get
    cmp -s "$served/big.bin" "$local/big_w.bin" && cmp -s "$served/big.bin" "$local/big_c.bin" ||
      { echo "pobrany plik różni się od oryginału" >&2; exit 1; }
    rm -f "$local/big_w.bin" "$local/big_c.bin"

    pair_row "put ${big_mb} MB" ours_big_put curl_big_put
    cmp -s "$local/big.bin" "$served/big_up_w.bin" && cmp -s "$local/big.bin" "$served/big_up_c.bin" ||
      { echo "wysłany plik różni się od oryginału" >&2; exit 1; }
    rm -f "$served/big_up_w.bin" "$served/big_up_c.bin"
  fi

  if [ "$only" != big ]; then
    pair_row "get ${small_count} x ${small_kb} KB" ours_small_get_mode curl_small_get
    cmp -s "$served/small/f0000.bin" "$local/got_w/f0000.bin" && cmp -s "$served/small/f$last.bin" "$local/got_c/f$last.bin" ||
      { echo "pobrany mały plik różni się od oryginału" >&2; exit 1; }

    pair_row "put ${small_count} x ${small_kb} KB" ours_small_put_mode curl_small_put
    cmp -s "$local/small/f$last.bin" "$served/up_small_w/f$last.bin" && cmp -s "$local/small/f$last.bin" "$served/up_small_c/f$last.bin" ||
      { echo "wysłany mały plik różni się od oryginału" >&2; exit 1; }
  fi
done
