#!/usr/bin/env bash
# Typing, measured from outside: the program with a 20 MB page open, K keys typed at the end
# of the text, and the CPU and time it takes until the program is quiet again, beside the
# peers (FeatherPad, and Geany when installed) on the same page, in the same run.
#
# Each run goes through $TAVLEVIRKE_SHARED/tools/gui-measure.py --type K --save: it starts the
# program under an X server, waits for its window and for the page to settle, types K x's
# after Ctrl+End, measures until the program is quiet, then saves (Ctrl+S); the saved copy
# must hold K more x's, or the run is counted as lost (the keys did not reach the page).
# Every run gets its own copy of the page and its own settings folders (TAVLEVIRKE_DIR,
# XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME, XDG_RUNTIME_DIR; Geany -c), so no run sees
# another's settings, recovery copies or running instance. The rounds rotate the order of
# the programs. At the end: the medians per program and Tavlevirke's ratio to each peer.
#
# The keys come as one burst (xdotool --delay 0), so a program may paint once for many of
# them: this measures throughput. A key typed alone pays a whole paint (BM_TastAfslutningStatus
# in bench_vinduer measures that one).
#
# usage: bench/taste-maaling.sh [--rounds N] [--keys K] [--mb MB] [--keep]
#   TAVLEVIRKE_BIN     the program (default: build/tavlevirke, as run.sh builds it, else the
#                      newest build*/tavlevirke in the source tree)
#   TAVLEVIRKE_SHARED  the shared folder (default: ../shared beside the source tree)
#   DISPLAY            an X server with a window manager; when unset, Xvfb and openbox are
#                      started on a free display and stopped at the end
# Each run's JSON line goes to stderr as it ends (all of them: results.jsonl in the work
# folder, kept with --keep).
set -euo pipefail

rounds=5
keys=200
mb=20
keep=0
while (($#)); do
    case $1 in
        --rounds) rounds=$2; shift 2 ;;
        --keys) keys=$2; shift 2 ;;
        --mb) mb=$2; shift 2 ;;
        --keep) keep=1; shift ;;
        -h|--help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
        *) echo "taste-maaling: unknown argument $1 (see --help)" >&2; exit 2 ;;
    esac
done

die() {
    echo "taste-maaling: $*" >&2
    exit 1
}

repo=$(cd "$(dirname "$0")/.." && pwd)
shared=${TAVLEVIRKE_SHARED:-$repo/../shared}
tools=$shared/tools
measure=$tools/gui-measure.py
bigpage=$tools/make-bigpage.py
[[ -f $measure && -f $bigpage ]] || die "the measuring tools are missing in $tools (set TAVLEVIRKE_SHARED)"
corpus=$shared/corpus/mdn-learning-area
[[ -d $corpus ]] || corpus=$shared/corpus
[[ -d $corpus && -n $(find "$corpus" -name '*.html' -print -quit) ]] \
    || die "no corpus pages in $corpus (set TAVLEVIRKE_SHARED)"

bin=${TAVLEVIRKE_BIN:-}
if [[ -z $bin ]]; then
    bin=$repo/build/tavlevirke   # what run.sh builds
    [[ -x $bin ]] || bin=$(ls -t "$repo"/build*/tavlevirke 2>/dev/null | head -n 1 || true)
fi
[[ -n $bin && -x $bin ]] || die "no Tavlevirke program found: build it, or set TAVLEVIRKE_BIN"
for t in python3 xdotool; do
    command -v "$t" >/dev/null || die "$t is not installed"
done

programs=(tavlevirke featherpad)
command -v featherpad >/dev/null || die "featherpad is not installed (apt-get install -y featherpad)"
if command -v geany >/dev/null; then
    programs+=(geany)
else
    echo "taste-maaling: geany is not installed; measuring without it" >&2
fi

work=$(mktemp -d /tmp/taste-maaling.XXXXXX)
xvfb_pid=
wm_pid=
cleanup() {
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    if ((keep)); then
        echo "taste-maaling: the work folder stays: $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

# An X server of our own when there is none.
if [[ -z ${DISPLAY:-} ]]; then
    for t in Xvfb openbox; do
        command -v "$t" >/dev/null || die "DISPLAY is not set and $t is not installed"
    done
    n=40
    while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X$n ]] && break
        sleep 0.1
    done
    [[ -e /tmp/.X11-unix/X$n ]] || die "Xvfb :$n did not start (see $work/xvfb.log)"
    export DISPLAY=:$n
    openbox >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    sleep 1
fi

page=$work/side.html
python3 "$bigpage" "$corpus" "$page" "$mb" >&2 || die "make-bigpage.py failed"
bytes=$(stat -c %s "$page")
((bytes >= mb * 1024 * 1024 * 99 / 100)) || die "the page $page holds $bytes bytes, not $mb MB"
x_before=$(tr -cd x <"$page" | wc -c)
echo "taste-maaling: $page: $bytes bytes (CR LF); $keys keys; $rounds rounds; programs: ${programs[*]}" >&2
echo "taste-maaling: Tavlevirke: $bin" >&2

results=$work/results.jsonl
: >"$results"

run_one() {
    local prog=$1 round=$2
    local d=$work/run-$round-$prog
    mkdir -p "$d"/{config,data,state,runtime,program,geany}
    chmod 700 "$d/runtime"
    cp "$page" "$d/side.html"
    local env=(--env "XDG_CONFIG_HOME=$d/config" --env "XDG_DATA_HOME=$d/data"
               --env "XDG_STATE_HOME=$d/state" --env "XDG_RUNTIME_DIR=$d/runtime"
               --env "TAVLEVIRKE_DIR=$d/program")
    local cmd
    case $prog in
        tavlevirke) cmd=("$bin" "$d/side.html") ;;
        featherpad) cmd=(featherpad "$d/side.html") ;;
        geany) cmd=(geany -i -c "$d/geany" "$d/side.html") ;;
    esac
    local line
    line=$(GM_LOGDIR=$d python3 "$measure" --name "$prog" --type "$keys" --save "${env[@]}" -- "${cmd[@]}" | tail -n 1 || true)
    local x_after
    x_after=$(tr -cd x <"$d/side.html" | wc -c)
    python3 - "$line" "$round" "$((x_after - x_before))" "$keys" >>"$results" <<'EOF'
import json, sys
try:
    r = json.loads(sys.argv[1])
except ValueError:
    r = {'error': 'no result from gui-measure.py: ' + sys.argv[1][:200]}
r['round'] = int(sys.argv[2])
r['x_added'] = int(sys.argv[3])
if 'error' not in r and r['x_added'] != int(sys.argv[4]):
    r['error'] = 'the saved page holds %d new x, not %s: keys lost or not saved' % (r['x_added'], sys.argv[4])
if r.get('type_timeout') or r.get('timeout'):
    r.setdefault('error', 'the program did not settle within the time limit')
print(json.dumps(r))
EOF
    tail -n 1 "$results" >&2
    if ((!keep)); then rm -rf "$d"; fi
}

count=${#programs[@]}
for ((round = 0; round < rounds; round++)); do
    for ((i = 0; i < count; i++)); do
        run_one "${programs[$(((i + round) % count))]}" "$((round + 1))"
    done
done

python3 - "$results" "$keys" <<'EOF'
import json, statistics, sys
rows = [json.loads(l) for l in open(sys.argv[1]) if l.strip()]
keys = int(sys.argv[2])
progs = []
for r in rows:
    if r['name'] not in progs:
        progs.append(r['name'])
fields = [('type_cpu_tree_s', 'CPU of the keys, whole process tree (s)'),
          ('type_wall_s', 'time until quiet after the first key (s)'),
          ('window_s', 'start to first window (s)'),
          ('settled_s', 'start to settled, page loaded (s)'),
          ('hwm_mb_after_type', 'peak memory (MB)')]
med = {}
print()
print('%-12s %4s %4s  %s' % ('program', 'runs', 'lost', '  '.join('%12s' % f for f, _ in fields)))
for p in progs:
    ok = [r for r in rows if r['name'] == p and 'error' not in r]
    lost = sum(1 for r in rows if r['name'] == p and 'error' in r)
    med[p] = {f: statistics.median(r[f] for r in ok) if ok else None for f, _ in fields}
    print('%-12s %4d %4d  %s' % (p, len(ok), lost, '  '.join(
        '%12s' % ('-' if med[p][f] is None else '%.3f' % med[p][f]) for f, _ in fields)))
print()
for f, what in fields:
    print('%-18s %s' % (f, what))
print()
base = med.get('tavlevirke')
for p in progs:
    if p == 'tavlevirke' or not base:
        continue
    for f in ('type_cpu_tree_s', 'type_wall_s'):
        a, b = base[f], med[p][f]
        if a is None or not b:
            print('tavlevirke / %s, %s: no ratio (missing runs or zero)' % (p, f))
        else:
            print('tavlevirke / %s, %s: %.2f  (%.2f ms against %.2f ms per key of the burst)' % (p, f, a / b, a / keys * 1e3, b / keys * 1e3))
errors = [r for r in rows if 'error' in r]
for r in errors:
    print('lost run: %s round %d: %s' % (r['name'], r['round'], r['error']), file=sys.stderr)
sys.exit(1 if base is None or base['type_cpu_tree_s'] is None else 0)
EOF
