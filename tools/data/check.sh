#!/usr/bin/env bash
# Checks that the committed data tree (data/Dir, data/CSS, data/Klicheer, data/HTML, and the
# reference library in data/Struktur and data/Script) is what
# tools/data/generate.mjs makes from the pinned packages and the tables in kilder/.
#
#  1. Always, without network: every source and output file matches checksums.sha256 (written
#     by the generator), and the output folders hold no other files. This catches a hand
#     edit of data/ and a changed source or lock file that was not regenerated.
#  2. When the pinned packages are installed or can be installed (npm ci): regenerate into a
#     temporary folder and compare byte for byte. Without node, npm or the registry this
#     step is skipped with a message; step 1 still decides.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
cd "$repo" || exit 1

fail=0
if ! sha256sum --check --quiet --strict tools/data/checksums.sha256; then
    echo "check.sh: data/ or its sources differ from tools/data/checksums.sha256;" \
         "run: npm --prefix tools/data run generate" >&2
    fail=1
fi
listed=$(grep -c '  data/' tools/data/checksums.sha256)
present=$(find data/Dir data/CSS data/Klicheer data/HTML data/Struktur data/Script -type f 2>/dev/null | wc -l)
if [ "$listed" != "$present" ]; then
    echo "check.sh: data/ holds $present generated files, the checksums list $listed" >&2
    fail=1
fi
[ "$fail" = 0 ] || exit 1

# The library: every title the code asks for exists, every entry has its page in its folder.
if command -v node >/dev/null 2>&1 && ! node "$here/bibliotek/tjek.mjs" "$repo"; then
    echo "check.sh: the reference library lacks titles or pages the program needs" >&2
    exit 1
fi

if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    echo "check.sh: checksums match; node/npm missing, regeneration skipped"
    exit 0
fi
if ! (cd "$here" && npm ls --depth=0 >/dev/null 2>&1); then
    if ! (cd "$here" && timeout 300 npm ci --no-audit --no-fund --fetch-retries=1 \
            --fetch-timeout=30000 >/dev/null 2>&1); then
        echo "check.sh: checksums match; pinned packages not installable here, regeneration skipped"
        exit 0
    fi
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
if ! node "$here/generate.mjs" "$tmp" >/dev/null; then
    echo "check.sh: the generator failed" >&2
    exit 1
fi
status=0
for d in Dir CSS Klicheer HTML Struktur Script; do
    diff -r "data/$d" "$tmp/$d" >/dev/null || { echo "check.sh: data/$d differs from a fresh generation:" >&2; diff -rq "data/$d" "$tmp/$d" | head -20 >&2; status=1; }
done
[ "$status" = 0 ] && echo "check.sh: data/ matches a fresh generation"
exit "$status"
