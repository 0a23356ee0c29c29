#!/usr/bin/env bash
# Sets up, builds (release preset) and runs the program's main job on sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
cli=build/release/src/cli/ostravel-cli
# Until the run kinds land, the command line shows what it offers.
"$cli" --help
