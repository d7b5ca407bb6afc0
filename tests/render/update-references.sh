#!/bin/sh
# Draws the reference pictures of the rendering tests anew from the current
# drawing code: run it after a deliberate change of the look, then view the
# pictures in tests/render/references/ before committing them.
# Usage: tests/render/update-references.sh [BUILD_FOLDER]   (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
cmake --build "$build" --target rendering_tests
SELVIKA_UPDATE_REFERENCES=1 QT_QPA_PLATFORM=offscreen "$build/tests/rendering_tests"
