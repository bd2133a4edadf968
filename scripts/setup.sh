#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), then configures and builds one tree.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments...]
# With QUORVEL_BUILD_TARGET set, only that target (and what it needs) is built.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build pkg-config nlohmann-json3-dev libimgui-dev libstb-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

build_dir="$1"
shift
cmake -S . -B "$build_dir" -G Ninja "$@" >&2
cmake --build "$build_dir" -j2 ${QUORVEL_BUILD_TARGET:+--target "$QUORVEL_BUILD_TARGET"} >&2
