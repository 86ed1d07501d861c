#!/usr/bin/env bash
# Builds the plug-in and the replay tool (native) and replays the sample contest log through
# the plug-in: prints the score summary and where the bad-QSO report and the Cabrillo log are.
# They land, with Plugins/KELM.ini, in a fresh build/replay-sample; the settings file starts
# with the operator's age, as the Setup window would have saved it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh native >/dev/null
rm -rf build/replay-sample
mkdir -p build/replay-sample/Plugins
printf '[Settings]\r\nAge=45\r\n' >build/replay-sample/Plugins/KELM.ini
exec build/native/bin/kelm_replay --dir build/replay-sample --start 15:00 --export \
  samples/kelm_sample.adi
