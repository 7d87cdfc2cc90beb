#!/bin/sh
# Rebuilds ../atomara.bkp from the Debian packages that carry the element data.
#
#   fetch_sources.sh            write ../atomara.bkp
#   fetch_sources.sh --check    rebuild in memory, compare, list disagreements
#
# The packages are fetched with `apt-get download` and unpacked with
# `dpkg-deb -x` into a cache folder, so nothing is installed on the system
# (run `apt-get update` first on a fresh machine).  libelemental keeps its data
# inside the shared library, so a small program is compiled against the
# unpacked headers and run to turn it into text.  Needs g++, python3, and the
# glib/pango runtime libraries that any desktop system has.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cache=${ATOMARA_ELEMENT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/atomara-element-data}
root=$cache/root

# Data sources, then what is needed to compile and run dump_elemental.
packages="bodr python3-pymatgen python3-periodictable libelemental-dev libelemental0
libglibmm-2.4-dev libglibmm-2.4-1v5 libsigc++-2.0-dev libsigc++-2.0-0v5 libglib2.0-dev"

mkdir -p "$cache/debs"
cd "$cache/debs"
for pkg in $packages; do
    if ! ls "${pkg}"_*.deb >/dev/null 2>&1; then
        apt-get download "$pkg"
    fi
done

rm -rf "$root"
mkdir -p "$root"
: >"$cache/versions.txt"
for deb in *.deb; do
    dpkg-deb -x "$deb" "$root"
    dpkg-deb --showformat='${Package} ${Version}\n' -W "$deb" >>"$cache/versions.txt"
done

arch=$(gcc -print-multiarch 2>/dev/null || dpkg-architecture -qDEB_HOST_MULTIARCH)
lib=$root/usr/lib/$arch
inc=$root/usr/include
g++ -std=c++17 -O0 -w \
    -I"$inc" -I"$inc/glibmm-2.4" -I"$lib/glibmm-2.4/include" \
    -I"$inc/sigc++-2.0" -I"$lib/sigc++-2.0/include" \
    -I"$inc/glib-2.0" -I"$lib/glib-2.0/include" \
    "$here/dump_elemental.cpp" -o "$cache/dump_elemental" \
    -L"$lib" -l:libelemental.so.0 -Wl,-rpath-link,"$lib"

if LD_LIBRARY_PATH=$lib ldd "$cache/dump_elemental" | grep 'not found'; then
    echo "install the runtime libraries listed above (libglib2.0-0, libpango-1.0-0)" >&2
    exit 1
fi
LD_LIBRARY_PATH=$lib "$cache/dump_elemental" >"$cache/elemental.tsv"

echo "source packages:"
sed 's/^/  /' "$cache/versions.txt"
python3 "$here/build_bkp.py" --root "$root" --elemental "$cache/elemental.tsv" "$@"
