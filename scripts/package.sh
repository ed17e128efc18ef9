#!/usr/bin/env bash
# Makes the Debian package from the Release build (configured and brought up to date first; after
# `make test` there is nothing left to build) and checks it: its file list against
# packaging/package-files.txt, its dependencies, the desktop entry, the MIME type and the AppStream
# metainfo it carries, and that its tarvolt-cli, run from the unpacked package, finds its digit files
# when it generates a project with a splash clock. Prints the package's path.
# Usage: scripts/package.sh      (JOBS sets the build's parallelism, default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/release

cmake --preset release >/dev/null
cmake --build --preset release -j "${JOBS:-2}"
rm -f "$build"/tarvolt-designer_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/tarvolt-designer_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "package.sh: cpack made no package" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "package.sh: $*" >&2
  exit 1
}

# Every file and link the package holds, and nothing else.
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort >"$scratch/files"
grep -v '^#' packaging/package-files.txt | grep -v '^$' | sort >"$scratch/expected"
if ! diff -u "$scratch/expected" "$scratch/files"; then
  fail "the package's files differ from packaging/package-files.txt (- expected, + packaged)"
fi

# Libraries found by dpkg-shlibdeps, plus the plugins named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for want in libqt6widgets6 libqt6gui6 libhidapi-hidraw0 libgif7 libjpeg62-turbo qt6-qpa-plugins libqt6svg6; do
  grep -q "\b$want\b" <<<"$depends" || fail "Depends lacks $want: $depends"
done

dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr
desktop-file-validate "$usr/share/applications/tarvolt-designer.desktop"
appstreamcli validate --no-net --strict "$usr/share/metainfo/ru.tarvolt.designer.metainfo.xml" >/dev/null
mkdir -p "$scratch/mime/packages"
cp "$usr/share/mime/packages/tarvolt-designer.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" 2>"$scratch/mime.log" || { cat "$scratch/mime.log" >&2; fail "update-mime-database failed"; }
grep -qx '50:application/x-tarvolt-project:\*\.lcd' "$scratch/mime/globs2" ||
  fail "the MIME database does not map *.lcd to application/x-tarvolt-project"

# The unpacked programs run, and Generate takes the clock's digit files from share/tarvolt-designer.
export QT_QPA_PLATFORM=offscreen
"$usr/bin/tarvolt-designer" --help >/dev/null 2>"$scratch/designer.log" ||
  { cat "$scratch/designer.log" >&2; fail "the packaged tarvolt-designer does not start"; }
mkdir -p "$scratch/project"
cp examples/demo.lcd examples/wheel.gif "$scratch/project/"
"$usr/bin/tarvolt-cli" generate "$scratch/project/demo.lcd" --output "$scratch/out" >/dev/null
for digit in n01 n0 n1 n2 n3 n4 n5 n6 n7 n8 n9; do
  cmp -s "$scratch/out/$digit.bin" "$usr/share/tarvolt-designer/res/$digit.bin" ||
    fail "generate did not copy $digit.bin from the package's data folder"
done

echo "$deb"
