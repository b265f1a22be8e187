#!/usr/bin/env bash
# Installs what is missing, builds Tavlevirke and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
# The committed data tree must be what its generator makes (no network needed when unchanged).
./tools/data/check.sh
cmake -S . -B build -G Ninja -DTAVLEVIRKE_TESTS=ON >/dev/null
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
