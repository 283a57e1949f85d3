#!/usr/bin/env bash
# Builds the C libraries the Windows builds link statically, from Debian's own source packages, with the same mingw-w64
# compilers and toolchain files as our DLLs: libpng and libjpeg-turbo (JUCE's image codecs) and libsndfile (WAV
# files for vst2host), against zlib from libz-mingw-w64-dev. Each architecture gets a prefix
# build/thirdparty/win-<arch> (include/, lib/) that cmake/ThirdParty.cmake turns into targets.
#
# Usage: thirdparty/build-windows-libs.sh [x64] [x86]     (both when none is named)
#
# The source packages are fetched once into build/thirdparty/sources, through an apt configuration of their own under
# build/thirdparty/apt: a deb-src entry for each Debian archive (the mirror or proxy this machine's apt uses, from its
# sources.list or deb822 .sources files) of this release's suite, main component, checked with Debian's archive key.
# The system's apt sources stay as they are and no root rights are needed. A library already built for an
# architecture is skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build/thirdparty
sources=$work/sources
jobs=$(nproc)
archs=("$@")
[ ${#archs[@]} -eq 0 ] && archs=(x64 x86)

# Debian's source package names, in the order they are built.
packages=(libpng1.6 libjpeg-turbo libsndfile)

source_dir() { # the unpacked source tree of a source package, or nothing
  local found
  found=$(find "$sources" -mindepth 1 -maxdepth 1 -type d -name "$1-*" 2>/dev/null | sort | tail -n 1)
  [ -n "$found" ] && printf '%s\n' "$found"
}

# The deb-src lines for this release's own suite (not its updates: the sources stay those of the release), from the
# archives this machine's apt is configured with. apt itself reads its sources (both formats), so no mirror address
# is written here.
debian_source_entries() {
  local codename
  codename=$(. /etc/os-release && printf '%s' "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || { echo "cannot tell this system's Debian release (no VERSION_CODENAME in /etc/os-release)" >&2; return 1; }
  apt-get indextargets --no-release-info --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' |
    awk -v codename="$codename" '($1 == "deb" || $1 == "deb-src") && $3 == codename && $4 == "main" {
        print "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] " $2 " " $3 " main" }' | sort -u
}

fetch_sources() {
  local missing=() p
  for p in "${packages[@]}"; do
    [ -n "$(source_dir "$p")" ] || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Fetching Debian source packages: ${missing[*]}"
  local apt=$work/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$sources"
  debian_source_entries >"$apt/sources.list"
  if [ ! -s "$apt/sources.list" ]; then
    echo "This machine's apt sources name no Debian archive for this release's main component; add one (as" >&2
    echo "/etc/apt/sources.list or /etc/apt/sources.list.d/debian.sources) and run this again." >&2
    return 1
  fi
  local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User="$(id -un)")
  apt-get -qq "${opts[@]}" update
  (cd "$sources" && apt-get -qq "${opts[@]}" source --download-only "${missing[@]}")
  for p in "${missing[@]}"; do
    local dsc
    dsc=$(find "$sources" -maxdepth 1 -name "${p}_*.dsc" | sort | tail -n 1)
    # Unpacked beside the download, with Debian's patches (security fixes among them) applied. apt has checked each
    # file against the archive's signed index, so dpkg-source need not look for the uploader's key.
    (cd "$sources" && dpkg-source --no-check -x "$(basename "$dsc")" >/dev/null)
  done
}

# cmake_build <name> <source dir> <arch> [options...]: configure, build and install one library into the prefix.
cmake_build() {
  local name=$1 src=$2 arch=$3
  shift 3
  local prefix=$work/win-$arch
  local stamp=$prefix/.built-$(basename "$src")
  [ -f "$stamp" ] && return 0
  echo "Building $(basename "$src") for win-$arch"
  local tree=$work/build-$arch/$name
  rm -rf "$tree"
  mkdir -p "$(dirname "$tree")"
  cmake -S "$src" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR="$prefix/lib" \
    -DCMAKE_POLICY_DEFAULT_CMP0077=NEW "$@" >"$tree.log" 2>&1 || { tail -n 40 "$tree.log"; return 1; }
  { cmake --build "$tree" -j "$jobs" && cmake --install "$tree"; } >>"$tree.log" 2>&1 || { tail -n 40 "$tree.log"; return 1; }
  touch "$stamp"
}

build_arch() {
  local arch=$1 triple
  case $arch in x64) triple=x86_64-w64-mingw32 ;; x86) triple=i686-w64-mingw32 ;;
    *) echo "unknown architecture: $arch (x64 or x86)" >&2; return 1 ;; esac
  local prefix=$work/win-$arch zlib=(-DZLIB_INCLUDE_DIR=/usr/$triple/include -DZLIB_LIBRARY=/usr/$triple/lib/libz.a)
  mkdir -p "$prefix"

  cmake_build png "$(source_dir libpng1.6)" "$arch" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF "${zlib[@]}"

  local jpeg
  jpeg=$(source_dir libjpeg-turbo)
  cmake_build jpeg "$jpeg" "$arch" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
    -DCMAKE_ASM_NASM_COMPILER=nasm
  # JUCE reads libjpeg's internal declarations too (it defines JPEG_INTERNALS before jpeglib.h).
  install -m 644 "$jpeg/jpegint.h" "$prefix/include/jpegint.h"

  # WAV and the other formats libsndfile reads without further libraries.
  cmake_build sndfile "$(source_dir libsndfile)" "$arch" -DBUILD_SHARED_LIBS=OFF -DBUILD_PROGRAMS=OFF \
    -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF -DBUILD_REGTEST=OFF -DENABLE_EXTERNAL_LIBS=OFF -DENABLE_MPEG=OFF \
    -DENABLE_CPACK=OFF -DENABLE_PACKAGE_CONFIG=OFF -DINSTALL_PKGCONFIG_MODULE=OFF -DINSTALL_MANPAGES=OFF
}

fetch_sources
for arch in "${archs[@]}"; do
  build_arch "$arch"
done
