#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the Debian package need, and only those that
# are missing. Usage: scripts/deps.sh [build|test|package]
set -euo pipefail

build_pkgs=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  libjpeg62-turbo-dev libgif-dev libhidapi-dev
  qt6-translations-l10n
  libqt6svg6
)
test_pkgs=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth
  locales
)
# The Release build configures its tests and benchmarks too, so packaging needs their libraries.
package_pkgs=(
  libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev desktop-file-utils appstream shared-mime-info
)

mode=${1:-test}
pkgs=("${build_pkgs[@]}")
case "$mode" in
  build) ;;
  test) pkgs+=("${test_pkgs[@]}" "${package_pkgs[@]}") ;; # CI packages after the tests
  package) pkgs+=("${package_pkgs[@]}") ;;
  *)
    echo "usage: scripts/deps.sh [build|test|package]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-formatting tests run under a locale with a decimal comma (about a second to make).
if [ "$mode" = "test" ] && ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Making locale de_DE.UTF-8"
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
