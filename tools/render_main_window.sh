#!/usr/bin/env bash
# Renders the main window with the Ilmarch form offscreen to PNG files for
# review: the first-start state, and <name>_cards.png with cards on both
# GPIO headers; <name>_ulvane.png and <name>_vessor.png; then
# <name>_<BOARD>.png for each two-header board form (Alvek, Bressa, Corvin,
# Dunmar, Istrel) with a card on GPIO-1.
#   tools/render_main_window.sh [output.png] [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-main_window.png}")"
build="${2:-build}"
mkdir -p "$(dirname "$out")"
cmake --build "$build" --target gui_tests
PINSMITH_RENDER_PNG="$out" QT_QPA_PLATFORM=offscreen \
  "$build/tests/gui_tests" --gtest_filter='IlmarchRender.*:UlvaneVessorRender.*:*HeaderBoardRender.*' --gtest_brief=1
echo "Rendered $out, ${out%.png}_cards.png and the other boards' ${out%.png}_<BOARD>.png"
