#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Dentaro need, when missing.
set -euo pipefail

packages=(build-essential cmake g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev locales librsvg2-bin python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# The tests check that a user's decimal comma changes nothing; they need such a locale.
if ! locale -a 2>/dev/null | grep -qi '^nl_NL\.utf-\?8$'; then
  as_root localedef -i nl_NL -f UTF-8 nl_NL.UTF-8
fi
