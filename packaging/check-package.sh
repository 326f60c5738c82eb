#!/usr/bin/env bash
# The package stage: builds the Debian package, checks its dependencies,
# lints it, validates its menu entry and metainfo, installs it with apt,
# runs the installed program on a virtual screen (check-installed.sh) and
# removes it again. Needs root or sudo for apt; any failure fails the stage,
# and the package is removed whatever happens once it was installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-package
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

apt() { $sudo apt-get -y -qq -o Dpkg::Use-Pty=0 -o DPkg::Lock::Timeout=120 "$@"; }
fail() { echo "package stage: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${Status}' trimel 2>/dev/null | grep -q "install ok installed"; }

installed && fail "trimel is installed on this machine already; remove it first (apt-get purge trimel)"

# Debian's own hardening flags, as a Debian build passes them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The package preset, which names no prefix: the package must go under
# /usr by itself. Debian's flags go into the flags a fresh configure starts from.
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" cmake --preset package --fresh
cmake --build --preset package -j"$(nproc)"
rm -f "$build"/trimel_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/trimel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single trimel_*.deb"
deb="$PWD/${debs[0]}"

dpkg-deb -I "$deb"
if dpkg-deb -c "$deb" | grep -q ' \./usr/local/'; then fail "the package installs under /usr/local"; fi
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for need in libqt6widgets6 libqt6gui6 fonts-liberation; do
  grep -qx "$need" <<<"$names" || fail "Depends lacks $need: $depends"
done
if tools=$(grep -Ex '.*-dev|cmake|make|g\+\+(-[0-9]+)?|gcc(-[0-9]+)?|clang.*|pkg-config|dpkg-dev|qt6-base-dev-tools' <<<"$names"); then
  fail "Depends names build tools: $tools"
fi
dpkg-deb -f "$deb" Recommends | grep -qw qt6-translations-l10n || fail "Recommends lacks qt6-translations-l10n"
changelog_version=$(sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p' packaging/changelog)
[ "$(dpkg-deb -f "$deb" Version)" = "$changelog_version" ] ||
  fail "package version $(dpkg-deb -f "$deb" Version) is not the changelog's $changelog_version"

lintian --fail-on error,warning --display-info "$deb"

unpacked=$(mktemp -d)
cleanup() {
  rm -rf "$unpacked"
  if installed; then apt purge trimel >/dev/null || true; fi
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
appstreamcli validate --no-net --strict "$unpacked"/usr/share/metainfo/*.metainfo.xml

apt install --no-install-recommends "$deb"
installed || fail "apt did not install $deb"
xvfb-run -a -s "-screen 0 1280x1024x24" bash packaging/check-installed.sh

apt purge trimel
installed && fail "trimel is still installed"
left=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's/^\.//' | grep -v '/$' |
  while read -r file; do [ ! -e "$file" ] || echo "$file"; done)
for folder in /usr/libexec/trimel /usr/share/trimel /usr/share/doc/trimel; do
  [ ! -e "$folder" ] || left+=" $folder"
done
[ -z "$left" ] || fail "left after the package's removal: $left"
echo "package stage: $(basename "$deb") built, clean, installed, run and removed"
