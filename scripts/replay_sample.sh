#!/usr/bin/env bash
# Builds the plug-in and the replay tool and replays the sample contest log through it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh native >/dev/null
echo "The replay tool is not built yet; the plug-in is at build/native/bin/libStats.so."
