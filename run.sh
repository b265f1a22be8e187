#!/usr/bin/env bash
# Installs what is missing, builds Tavlevirke and starts it. Arguments are files to open.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
exec ./build/tavlevirke "$@"
