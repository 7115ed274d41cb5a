#!/usr/bin/env bash
# Installs what building and testing Ovrik needs on a Debian 12 machine (run as root).
# Safe to rerun: it only installs what is missing and only downloads the editing
# component's sources when the cache does not hold them yet.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${OVRIK_CACHE:-$root/.cache}"
export DEBIAN_FRONTEND=noninteractive

packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          mingw-w64-x86-64-dev libz-mingw-w64-dev wine64 wine xvfb xauth cmake make googletest
          imagemagick x11-apps fonts-liberation fonts-dejavu-core tango-icon-theme icoutils dpkg-dev
          python3 openssl unzip)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

need_src=0
ls "$cache"/scite_5.3.3.orig.tar.gz >/dev/null 2>&1 || need_src=1

# A deb-src stanza mirroring the binary sources, so that apt-get source finds scite.
src_list=/etc/apt/sources.list.d/ovrik-deb-src.sources
if [ "$need_src" = 1 ] && [ ! -f "$src_list" ]; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
    updated=0
else
    updated=1
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$need_src" = 1 ]; then
    if [ "${updated}" = 0 ] || [ "${#missing[@]}" -gt 0 ] || [ "$need_src" = 1 ]; then
        apt-get update -qq
    fi
fi
if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ "$need_src" = 1 ]; then
    mkdir -p "$cache"
    tmp="$(mktemp -d)"
    (cd "$tmp" && apt-get source --download-only -qq scite >/dev/null)
    mv "$tmp"/scite_5.3.3.orig.tar.gz "$cache"/
    rm -rf "$tmp"
fi
echo "setup: ready"
