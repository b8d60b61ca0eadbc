#!/usr/bin/env bash
# Starts the program's windows N times in each mode (fresh processes, alternating) and prints the
# medians and the ratios eager/lazy: bench/webengine_startup/run.sh [BUILD_DIR] [N]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
n="${2:-7}"
bin="$build/bin/bench_webengine_startup"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
"$bin" lazy "$build/program" >/dev/null 2>&1 || true # warm the file cache
for i in $(seq "$n"); do
  "$bin" eager "$build/program" 2>/dev/null | tee -a "$out"
  "$bin" lazy "$build/program" 2>/dev/null | tee -a "$out"
done
/usr/bin/python3 - "$out" <<'PY'
import re, statistics, sys
runs = {}
for line in open(sys.argv[1]):
    parts = line.split()
    if not parts: continue
    values = dict(p.split("=") for p in parts[1:])
    runs.setdefault(parts[0], []).append({k: float(v) for k, v in values.items()})
med = {m: {k: statistics.median(r[k] for r in rs) for k in rs[0]} for m, rs in runs.items()}
print()
print("| | lazy (view made when shown) | eager (view made at start) | eager / lazy |")
print("|---|---|---|---|")
for key, label in [("ready_ms", "process start to window ready, ms"), ("main_ms", "in main, ms"),
                   ("pss_kib", "memory (PSS of all processes), MiB"), ("processes", "processes")]:
    l, e = med["lazy"][key], med["eager"][key]
    if key == "pss_kib": l, e = l / 1024, e / 1024
    print(f"| {label} | {l:.0f} | {e:.0f} | {e / l:.2f} |")
PY
