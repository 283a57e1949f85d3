#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (when missing) and builds every deliverable into dist/:
# the native Linux plug-in and the x64 and x86 Windows DLLs.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  build-essential cmake pkg-config
  # rtashost's tests make and compare their audio and chunk files with it.
  python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libsndfile1-dev libxsimd-dev
  clang libclang-rt-14-dev
  libcairo2-dev libx11-dev libpng-dev fonts-liberation xvfb xauth xdotool x11-utils
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386
  g++-multilib libcairo2-dev:i386 libx11-dev:i386 libgtest-dev:i386 qemu-user
  ardour
  # JUCE (the AAX plug-in's framework) and what its Linux build compiles against.
  juce-modules-source libfreetype-dev libjpeg-dev zlib1g-dev
  libxrandr-dev libxinerama-dev libxcursor-dev libxext-dev
  # The Windows builds' libpng, libjpeg-turbo and libsndfile, built from Debian's source packages.
  libz-mingw-w64-dev nasm dpkg-dev
)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] && [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
  # Without root rights and without sudo nothing can be installed from here: say what to run instead.
  add_i386=""
  dpkg --print-foreign-architectures | grep -qx i386 || add_i386="dpkg --add-architecture i386 && "
  cat >&2 <<EOF
build.sh needs Debian packages that are not installed, and it is neither run as root nor can it find sudo.
Install them as root (for example after 'su -'):

  ${add_i386}apt-get update && apt-get install --no-install-recommends ${missing[*]}

then run ./build.sh again as yourself. (Or install sudo and give your user the right to use it.)
EOF
  exit 1
fi
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
thirdparty/build-windows-libs.sh x64 x86
for arch in x64 x86; do
  cmake -S . -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQOR_DIST=ON -DQOR_BUILD_BENCHMARKS=OFF \
    -DQOR_REFERENCE_DIR="Z:$PWD/build/reference" -DQOR_REFERENCE_MODE=compare
  cmake --build "build/win-$arch" -j "$jobs"
done
# The RTAS plug-in's code, its host kit and a 32-bit effect for their tests (no deliverable: the plug-in is x86
# Windows only; this build exists for the tests, plain and under the sanitizers, in test.sh).
cmake -S . -B build/linux-x86 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/linux-x86.cmake -DCMAKE_BUILD_TYPE=Release \
  -DQOR_RTAS_ONLY=ON -DQOR_BUILD_BENCHMARKS=OFF
cmake --build build/linux-x86 -j "$jobs"
echo "Built: dist/linux-x64/Qor Kalvenor.so, dist/win-x64/Qor Kalvenor.dll, dist/win-x86/Qor Kalvenor.dll, dist/win-x64/Qor Kalvenor.aaxplugin/, dist/win-x86/Wrapper.dpm and Wrapper.dpm.rsr"
