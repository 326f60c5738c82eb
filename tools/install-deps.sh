#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: packages already present are not touched, and apt is not
# contacted at all when nothing is missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  python3                     # the guide's check and the example-data tools
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  coinor-libcbc-dev           # branch and cut for wheels under a symmetry group
  fonts-liberation fonts-dejavu-core
  qt6-translations-l10n       # Qt's own dialogs and buttons in Russian
  xvfb xauth
  # the package stage: building, linting and validating the package, and
  # finding the installed program's window
  dpkg-dev lintian desktop-file-utils appstream x11-utils
  openbox wmctrl imagemagick  # the smoke test on a virtual X screen
  clang libclang-rt-dev       # the fuzz targets (libFuzzer and its sanitizers)
  clang-format                # the formatting check
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
