#!/usr/bin/env bash
# Paints the editor's 29 images into resources/images/<number>.png. Needs cairo, libpng and Liberation Sans
# (libcairo2-dev, libpng-dev, fonts-liberation). The output is the same bytes on every run: fixed seeds, no time
# stamps. Commit the PNG files; builds embed them and never run this.
#   tools/imagegen/generate.sh [build folder]    (default: build/imagegen)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build/imagegen}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
mkdir -p "$root/resources/images"
"$build/qor_imagegen" "$root/resources/images"
