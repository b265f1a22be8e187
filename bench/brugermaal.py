#!/usr/bin/env python3
"""Where a user feels the speed, measured from outside beside the peers, in one run.

Each row runs Tavlevirke and its peers (FeatherPad, Geany; the bare edit control for the
large page) in turn through $TAVLEVIRKE_SHARED/tools/gui-measure.py, the rounds rotating the
order, and prints the medians and Tavlevirke's ratio to each peer:

  start      start with a used program folder (the folder made by an earlier start), to settled
  forste     first start with a fresh program folder
  aaben-N    open an N MB CR LF page (made from the corpus), to settled; N = 1, 20, 100
  hukommelse one small page open and idle: RSS and PSS of the whole process tree

Every run gets its own settings folders (TAVLEVIRKE_DIR, XDG_*; Geany -c), so no run sees
another's settings or running instance. Typing is measured by bench/taste-maaling.sh.

usage: bench/brugermaal.py [--rounds N] [--rows start,forste,aaben-1,aaben-20,aaben-100,hukommelse]
  TAVLEVIRKE_BIN     the program (default build/tavlevirke)
  TAVLEVIRKE_BARE    the bare control (default build/bench/bench_bar_kontrol)
  TAVLEVIRKE_SHARED  the shared folder (default ../shared beside the source tree)
  DISPLAY            an X server with a window manager (required)
"""
import json, os, shutil, statistics, subprocess, sys, tempfile

repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
shared = os.environ.get('TAVLEVIRKE_SHARED', os.path.join(repo, '..', 'shared'))
tools = os.path.join(shared, 'tools')
measure = os.path.join(tools, 'gui-measure.py')
tv_bin = os.environ.get('TAVLEVIRKE_BIN', os.path.join(repo, 'build', 'tavlevirke'))
bare_bin = os.environ.get('TAVLEVIRKE_BARE', os.path.join(repo, 'build', 'bench', 'bench_bar_kontrol'))


def die(msg):
    sys.exit(f'brugermaal: {msg}')


def check_inputs():
    if not os.environ.get('DISPLAY'):
        die('DISPLAY is not set: start Xvfb and a window manager first')
    for f in (measure, os.path.join(tools, 'make-bigpage.py')):
        if not os.path.isfile(f):
            die(f'{f} is missing (set TAVLEVIRKE_SHARED)')
    if not os.access(tv_bin, os.X_OK):
        die(f'{tv_bin} is not built (set TAVLEVIRKE_BIN)')
    for p in ('featherpad', 'geany', 'xdotool'):
        if not shutil.which(p):
            die(f'{p} is not installed')


def page(work, mb, cache={}):
    """A page of corpus bodies with CR LF line breaks, mb million bytes at most (cut at a
    line; FeatherPad refuses files over 100 MiB, so the 100 MB page stays under that)."""
    if mb in cache:
        return cache[mb]
    corpus = os.path.join(shared, 'corpus', 'mdn-learning-area')
    if not os.path.isdir(corpus):
        die(f'{corpus} is missing (set TAVLEVIRKE_SHARED)')
    lf = os.path.join(work, f'lf{mb}.html')
    subprocess.run([sys.executable, os.path.join(tools, 'make-bigpage.py'), corpus, lf, str(mb)],
                   check=True, capture_output=True)
    with open(lf, 'rb') as f:
        lines = f.read().replace(b'\r', b'').split(b'\n')
    os.remove(lf)
    end = b'</body></html>\r\n'
    out, size, keep = os.path.join(work, f'crlf{mb}.html'), len(end), []
    for line in lines:
        if size + len(line) + 2 > mb * 1000000:
            break
        keep.append(line)
        size += len(line) + 2
    with open(out, 'wb') as f:
        f.write(b'\r\n'.join(keep) + b'\r\n' + end)
    if os.path.getsize(out) < mb * 990000:
        die(f'the {mb} MB page came out at {os.path.getsize(out)} bytes')
    print(f'input: {out} {os.path.getsize(out)} bytes (CR LF)', file=sys.stderr)
    cache[mb] = out
    return out


def folders(work, name, fresh):
    """Settings folders for one program; fresh ones, or the ones kept for it."""
    base = os.path.join(work, 'mapper', name)
    if fresh:
        shutil.rmtree(base, ignore_errors=True)
    env = {}
    for k in ('TAVLEVIRKE_DIR', 'XDG_CONFIG_HOME', 'XDG_DATA_HOME', 'XDG_CACHE_HOME', 'XDG_STATE_HOME'):
        env[k] = os.path.join(base, k.lower())
        os.makedirs(env[k], exist_ok=True)
    return env, os.path.join(base, 'geany')


def command(name, geany_dir, files):
    if name == 'tavlevirke':
        return [tv_bin] + files
    if name == 'featherpad':
        return ['featherpad'] + files
    if name == 'geany':
        return ['geany', '-c', geany_dir, '-i'] + files
    if name == 'bar-kontrol':
        return [bare_bin] + files
    die(f'unknown program {name}')


def run(work, name, files, fresh, mem=False, quiet=1.0):
    env, geany_dir = folders(work, name, fresh)
    args = [sys.executable, measure, '--name', name, '--quiet', str(quiet), '--timeout', '240']
    for k, v in env.items():
        args += ['--env', f'{k}={v}']
    if mem:
        args += ['--mem', '--keep', '2']
    args += ['--'] + command(name, geany_dir, files)
    out = subprocess.run(args, capture_output=True, text=True, env=dict(os.environ, GM_LOGDIR=work))
    line = out.stdout.strip().splitlines()[-1] if out.stdout.strip() else '{}'
    res = json.loads(line)
    if 'error' in res or 'settled_s' not in res:
        die(f'{name} gave no measure: {line} {out.stderr[-300:]}')
    print(json.dumps(res), file=sys.stderr)
    return res


def row(work, title, programs, rounds, files, fresh, keys, mem=False):
    results = {p: [] for p in programs}
    for r in range(rounds):
        order = programs[r % len(programs):] + programs[:r % len(programs)]
        for p in order:
            if not fresh:
                folders(work, p, False)
            results[p].append(run(work, p, files, fresh, mem))
    med = {p: {k: statistics.median(x[k] for x in results[p]) for k in keys} for p in programs}
    print(f'\n{title}')
    for p in programs:
        print(f'  {p:12s} ' + '  '.join(f'{k} {med[p][k]:.3f}' for k in keys))
    for peer in programs[1:]:
        print(f'  tavlevirke / {peer}: ' + '  '.join(
            f'{k} {med["tavlevirke"][k] / med[peer][k]:.2f}' for k in keys if med[peer][k]))
    return med


def main():
    rounds, rows = 3, ['start', 'forste', 'aaben-1', 'aaben-20', 'aaben-100', 'hukommelse']
    a = sys.argv[1:]
    while a:
        o = a.pop(0)
        if o == '--rounds':
            rounds = int(a.pop(0))
        elif o == '--rows':
            rows = a.pop(0).split(',')
        else:
            print(__doc__)
            sys.exit(0 if o in ('-h', '--help') else 2)
    check_inputs()
    work = tempfile.mkdtemp(prefix='brugermaal.')
    peers = ['tavlevirke', 'featherpad', 'geany']
    small = os.path.join(work, 'lille.html')
    with open(small, 'w') as f:
        f.write('<!DOCTYPE html>\r\n<html lang="da">\r\n<head><title>Prøve</title></head>\r\n'
                '<body><h1>Hej</h1><p>Et afsnit.</p></body>\r\n</html>\r\n')
    try:
        for r in rows:
            if r == 'start':
                for p in peers:   # each program makes its folder once
                    run(work, p, [], True)
                row(work, 'start, used program folder (s)', peers, rounds, [], False,
                    ['settled_s', 'cpu_tree_s'])
            elif r == 'forste':
                row(work, 'first start, fresh program folder (s)', peers, rounds, [], True,
                    ['settled_s', 'cpu_tree_s'])
            elif r.startswith('aaben-'):
                mb = int(r.split('-')[1])
                programs = peers + (['bar-kontrol'] if mb == 20 and os.access(bare_bin, os.X_OK) else [])
                row(work, f'open the {mb} MB CR LF page, settled (s)', programs,
                    1 if mb >= 100 else rounds, [page(work, mb)], True, ['settled_s', 'cpu_tree_s'])
            elif r == 'hukommelse':
                row(work, 'idle, one small page (MB)', peers, rounds, [small], True, ['rss_mb', 'pss_mb'],
                    mem=True)
            else:
                die(f'unknown row {r}')
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    main()
