#!/usr/bin/env bash
# Renders the main window offscreen to PNG files for review: the Ilmarch
# form's first-start state, <name>_cards.png with cards on both GPIO
# headers, <name>_ulvane.png, <name>_vessor.png and <name>_<BOARD>.png for
# the two-header boards, and every board form the program carries as
# <folder of output>/forms/<folder word>.png, and beside it
# <folder word>_outlines.png with every outline shown (the test also checks
# that each form's outlines lie inside its board picture).
#   tools/render_main_window.sh [output.png] [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-main_window.png}")"
build="${2:-build}"
forms="$(dirname "$out")/forms"
mkdir -p "$(dirname "$out")" "$forms"
cmake --build "$build" --target gui_tests
PINSMITH_RENDER_PNG="$out" QT_QPA_PLATFORM=offscreen \
  "$build/tests/gui_tests" --gtest_filter='IlmarchRender.*:UlvaneVessorRender.*:*HeaderBoardRender.*' --gtest_brief=1
PINSMITH_RENDER_DIR="$forms" QT_QPA_PLATFORM=offscreen \
  "$build/tests/gui_tests" --gtest_filter='BoardFormsRender.*' --gtest_brief=1
echo "Rendered $out, ${out%.png}_cards.png, the other boards beside it and the forms in $forms"
