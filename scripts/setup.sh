#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), then configures and builds one tree.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments...]
# With QUORVEL_BUILD_TARGET set, only that target (and what it needs) is built.
set -euo pipefail
cd "$(dirname "$0")/.."

# The exporter writes glTF with tinygltf; its files are checked by the glTF validator (npm,
# run with Node.js) and read back by Blender, whose glTF importer needs numpy.
packages=(g++ cmake ninja-build pkg-config nlohmann-json3-dev libimgui-dev libstb-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
          libtinygltf-dev blender python3-numpy)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node.js and npm by their commands: a machine may have them from another Node.js package,
# which Debian's npm would conflict with.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

# The glTF validator, at the version the lock file pins, into tools-check/node_modules; again
# only when missing or when the lock file changed since.
if [ ! -d tools-check/node_modules/gltf-validator ] ||
   [ tools-check/package-lock.json -nt tools-check/node_modules/.package-lock.json ]; then
    echo "installing the glTF validator into tools-check/node_modules" >&2
    (cd tools-check && npm ci --no-audit --no-fund >&2)
fi

build_dir="$1"
shift
cmake -S . -B "$build_dir" -G Ninja "$@" >&2
cmake --build "$build_dir" -j2 ${QUORVEL_BUILD_TARGET:+--target "$QUORVEL_BUILD_TARGET"} >&2
