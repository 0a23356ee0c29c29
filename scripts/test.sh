#!/usr/bin/env bash
# Sets up, builds (debug preset: AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
