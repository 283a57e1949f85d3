#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (when missing) and builds every deliverable into dist/:
# the native Linux plug-in and the x64 and x86 Windows DLLs.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libsndfile1-dev libxsimd-dev
  clang libclang-rt-14-dev
  libcairo2-dev libx11-dev libpng-dev fonts-liberation xvfb xauth xdotool x11-utils
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386
  ardour
)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  # The x86 Wine needs the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQOR_DIST=ON \
  -DQOR_REFERENCE_DIR="$PWD/build/reference" -DQOR_REFERENCE_MODE=write
cmake --build build/release -j "$jobs"
for arch in x64 x86; do
  cmake -S . -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQOR_DIST=ON -DQOR_BUILD_BENCHMARKS=OFF \
    -DQOR_REFERENCE_DIR="Z:$PWD/build/reference" -DQOR_REFERENCE_MODE=compare
  cmake --build "build/win-$arch" -j "$jobs"
done
echo "Built: dist/linux-x64/Qor Kalvenor.so, dist/win-x64/Qor Kalvenor.dll, dist/win-x86/Qor Kalvenor.dll"
