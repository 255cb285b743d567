#!/usr/bin/env bash
# Builds the Debian package from the build folder with cpack, unpacks it and
# checks what it installs and the dependencies computed for it.
set -euo pipefail

BUILD=${1:?usage: test_debian_package.sh BUILD-FOLDER}
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate identify; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$BUILD" && cpack -G DEB -B "$WORK/out") >"$WORK/cpack.log" 2>&1 || fail "cpack: $(cat "$WORK/cpack.log")"
debs=("$WORK"/out/vantor_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single package: $(ls "$WORK/out")"
deb=${debs[0]}
dpkg-deb -x "$deb" "$WORK/root"

# Exactly the programs, the menu entry, the icons and the help book.
expected=(usr/bin/vantor usr/bin/vantor-help usr/share/applications/vantor.desktop)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/vantor.png")
done
for page in "$BUILD"/help/*; do
  expected+=("usr/share/vantor/help/$(basename "$page")")
done
(cd "$WORK/root" && find . -type f | sed 's|^\./||' | sort) >"$WORK/files"
printf '%s\n' "${expected[@]}" | sort >"$WORK/expected"
diff "$WORK/expected" "$WORK/files" >"$WORK/diff" || fail "the package's files differ (< expected, > packaged): $(cat "$WORK/diff")"

for size in 16 22 24 32 48 64 128 256; do
  got=$(identify -format '%m %wx%h' "$WORK/root/usr/share/icons/hicolor/${size}x${size}/apps/vantor.png")
  [ "$got" = "PNG ${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
entry="$WORK/root/usr/share/applications/vantor.desktop"
desktop-file-validate "$entry" || fail "the menu entry is not valid"
grep -qx 'Exec=vantor %f' "$entry" && grep -qx 'Exec=vantor -p %f' "$entry" && grep -qx 'Icon=vantor' "$entry" ||
  fail "the menu entry does not start the installed program: $(cat "$entry")"
! ldd "$WORK/root/usr/bin/vantor" "$WORK/root/usr/bin/vantor-help" | grep 'not found' || fail "a library is missing"

dpkg-deb -I "$deb" >"$WORK/info"
depends=$(sed -n 's/^ Depends: //p' "$WORK/info")
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "\b$library (>= " <<<"$depends" || fail "$library with its version is not among the computed dependencies"
done
echo PASS
