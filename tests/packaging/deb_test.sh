#!/usr/bin/env bash
# The Debian package end to end: CPack makes it from a release build,
# lintian finds no error and no warning in it, apt installs it with its
# declared dependencies, the installed files are where a desktop looks for
# them and pass their validators, the installed program shows its splash on
# a virtual X server (and says why it cannot without one), and a purge leaves
# nothing behind.
#
#   deb_test.sh BUILD_DIR BUILD_TYPE
#
# Changes the system (installs and purges the package "zorvane"), so it needs
# root; exits 77, which the test runner reads as skipped, where it cannot run.
set -euo pipefail

build="$1"
build_type="$2"
icon="$(cd "$(dirname "$0")/../.." && pwd)/assets/generated/icon_main.ico"
package=zorvane
python=/usr/bin/python3
app_id=org.zorvane.Zorvane

skip() {
  echo "SKIP: $*"
  exit 77
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v dpkg-deb >/dev/null && command -v apt-get >/dev/null || skip "no dpkg and apt"
[ "$build_type" = Release ] || skip "the package is made from a release build, not $build_type"
for tool in cpack lintian Xvfb xdotool appstreamcli desktop-file-validate "$python"; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup"
done
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
  fail "$package is installed already; this test would remove it"
fi

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if dpkg-query -W "$package" >/dev/null 2>&1; then
    apt-get purge -y -qq -o DPkg::Lock::Timeout=600 "$package" >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== package"
grep -q 'CPACK_DEBIAN_PACKAGE_MAINTAINER "..*"' "$build/CPackConfig.cmake" ||
  skip "nobody to name as the package's maintainer: configure with DEBFULLNAME and DEBEMAIL set"
cmake --build "$build" --target zorvane zorvane_icons zorvane_docs >/dev/null
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log") || {
  cat "$work/cpack.log"
  fail "cpack"
}
deb="$(ls "$work"/package/${package}_*.deb)"
echo "$deb"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation fonts-dejavu-core; do
  grep -qw "$dep" <<<"$depends" || fail "the package does not depend on $dep"
done

echo "== lintian"
lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings in the package"

expected=(
  /usr/games/zorvane
  /usr/share/applications/$app_id.desktop
  /usr/share/metainfo/$app_id.metainfo.xml
  /usr/share/man/man6/zorvane.6.gz
  /usr/share/doc/$package/copyright
  /usr/share/doc/$package/changelog.gz
)
# The icon sizes are those of the program's icon file.
for size in $("$python" -c '
import struct, sys
data = open(sys.argv[1], "rb").read()
sizes = {data[6 + 16 * i] or 256 for i in range(struct.unpack_from("<H", data, 4)[0])}
print(" ".join(str(s) for s in sorted(sizes)))' "$icon"); do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
listed="$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')"
for f in "${expected[@]}"; do
  grep -qx "$f" <<<"$listed" || fail "the package lacks $f"
done

echo "== install"
apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "$deb" >"$work/install.log" 2>&1 || {
  cat "$work/install.log"
  fail "apt-get install"
}
dpkg-query -W -f='${Status}\n' "$package" | grep -q 'install ok installed' || fail "not installed"
for f in "${expected[@]}"; do
  [ -s "$f" ] || fail "$f is not installed"
done
[ -x /usr/games/zorvane ] || fail "/usr/games/zorvane is not executable"
for f in /usr/share/icons/hicolor/*/apps/$app_id.png; do
  size="$(basename "$(dirname "$(dirname "$f")")")"
  got="$("$python" -c '
import struct, sys
head = open(sys.argv[1], "rb").read(24)
assert head[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
print("%dx%d" % struct.unpack(">II", head[16:24]))' "$f")"
  [ "$got" = "$size" ] || fail "$f is $got, not $size"
done
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
desktop-file-validate "/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
grep -q 'GPL-3.0-or-later' "/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo names no licence"

echo "== start"
# Without a display: one line that says so, and status 1.
status=0
message="$(cd / && env -i HOME="$work" PATH=/usr/games:/usr/bin:/bin zorvane 2>&1)" || status=$?
[ "$status" -eq 1 ] || fail "without a display the program ends with status $status, not 1"
[ "$(wc -l <<<"$message")" -eq 1 ] && grep -qx 'zorvane: cannot open a display: DISPLAY is not set.*' <<<"$message" ||
  fail "without a display the program says: $message"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
chmod 700 "$work"
(cd / && exec env -i DISPLAY="$DISPLAY" HOME="$work" XDG_RUNTIME_DIR="$work" PATH=/usr/games:/usr/bin:/bin zorvane) >"$work/zorvane.log" 2>&1 &
program=$!
found=""
for _ in $(seq 1 100); do
  found="$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null || true)"
  [ -n "$found" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ -n "$found" ] || {
  cat "$work/zorvane.log"
  fail "the installed program showed no splash window"
}
echo "the splash window is on screen"

echo "== purge"
installed="$(dpkg-query -L "$package")"
apt-get purge -y -qq -o DPkg::Lock::Timeout=600 "$package" >"$work/purge.log" 2>&1 || {
  cat "$work/purge.log"
  fail "apt-get purge"
}
if dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q 'installed'; then
  fail "still known to dpkg after the purge"
fi
while read -r path; do
  # Directories that other packages share stay; every file of the package goes.
  if [ -e "$path" ] && [ ! -d "$path" ]; then fail "$path is left after the purge"; fi
done <<<"$installed"
for d in /usr/share/icons/hicolor/*/apps; do
  [ -e "$d/$app_id.png" ] && fail "$d/$app_id.png is left after the purge"
done
echo "PASS: the package installs, starts and purges cleanly"
