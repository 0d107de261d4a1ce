#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Tavlo and its tests, and runs every test headless.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-tests" -DCMAKE_BUILD_TYPE=Release -DTAVLO_BUILD_TESTS=ON
cmake --build "$top/build-tests" -j"$(nproc)"
cd "$top/build-tests"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
