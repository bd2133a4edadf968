#!/usr/bin/env bash
# Sets everything up, builds, and runs the embedded demo session.
set -euo pipefail
cd "$(dirname "$0")/.."
# The demo needs no tests; scripts/test.sh switches them back on in the same tree.
scripts/setup.sh build -DQUORVEL_TESTS=OFF -DQUORVEL_SANITIZE=OFF
exec build/corvane-sim demo "$@"
