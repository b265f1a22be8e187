#!/usr/bin/env bash
# Installs the Debian packages Tavlevirke needs to build, run and test, when any is missing.
# Quiet and quick when everything is there already.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-webengine-dev libqscintilla2-qt6-dev qt6-image-formats-plugins qt6-l10n-tools libgl-dev
  breeze-icon-theme qt6-translations-l10n
  xvfb xauth
  libbenchmark-dev
  libcurl4-openssl-dev qtkeychain-qt6-dev
  libssl-dev
  python3-pyftpdlib python3-openssl openssl openssh-server openssh-client poppler-utils desktop-file-utils ripgrep
)
# The HTML validator in the tests runs on Java; any runtime already installed will do.
if ! command -v java >/dev/null 2>&1; then
  PACKAGES+=(default-jre-headless)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installerer: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The pinned HTML validator (tools/validator). Its install script would fetch a second Java,
# so scripts stay off. Without it the validation test is skipped, so no failure here.
validator="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/validator"
if [ ! -f "$validator/node_modules/vnu-jar/build/dist/vnu.jar" ] && command -v npm >/dev/null 2>&1; then
  npm ci --prefix "$validator" --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null 2>&1 \
    || echo "HTML-validatoren kunne ikke hentes (npm ci --prefix tools/validator); testen af den springes over."
fi
