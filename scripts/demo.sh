#!/usr/bin/env bash
# Sets everything up, builds, and runs the embedded demo session.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build -DQUORVEL_TESTS=OFF
exec build/corvane-sim demo "$@"
