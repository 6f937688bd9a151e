#!/usr/bin/env bash
# Installs a build into a temporary root as the package does (prefix /usr under
# DESTDIR) and checks what a user of the installed program meets: the files and
# nothing else, valid desktop data, the template and the control found by the
# installed editor through the system registry alone, and a working k7x.
# usage: check-install.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $* (not installed; scripts/deps installs it)"; }

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log" ||
  { cat "$scratch/install.log"; fail "cmake --install"; }
usr="$scratch/root/usr"
id=example.merivane.Fendrel

# Exactly these files besides the template, which is the source's, byte for byte,
# and the guide, the source's pages and pictures.
expected="bin/fendrel
bin/k7x
bin/vardensim
bin/vogreg
lib/fendrel/libvog.so
share/applications/$id.desktop
share/bash-completion/completions/k7x
share/doc/fendrel/changelog.gz
share/doc/fendrel/copyright
$(cd "$source/doc/guide" && find . -type f | sed 's|^\./|share/doc/fendrel/guide/|')
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/fendrel.1.gz
share/man/man1/k7x.1.gz
share/man/man1/vardensim.1.gz
share/man/man1/vogreg.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/fendrel.xml"
expected=$(echo "$expected" | LC_ALL=C sort)
actual=$(cd "$usr" && find . -type f -not -path './share/fendrel/Project_Default/*' | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"
diff -r "$source/resources/Project_Default" "$usr/share/fendrel/Project_Default" ||
  fail "the installed template differs from resources/Project_Default"
[ -s "$usr/share/doc/fendrel/guide/images/main.png" ] || fail "the guide has no pictures"
for program in fendrel k7x vardensim vogreg; do
  [ -x "$usr/bin/$program" ] || fail "bin/$program is not executable"
done
for binary in bin/fendrel bin/k7x bin/vardensim bin/vogreg lib/fendrel/libvog.so; do
  ! readelf -d "$usr/$binary" | grep -qE 'RPATH|RUNPATH' || fail "$binary carries a run path"
done
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo's newest release is not $version"

# Desktop data that the desktop's own tools accept.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry"
else
  skip desktop-file-validate
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$scratch/as.log" ||
    { cat "$scratch/as.log"; fail "metainfo"; }
else
  skip appstreamcli
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$usr/share/mime" 2>"$scratch/mime.log" ||
    { cat "$scratch/mime.log"; fail "shared-mime-info refuses fendrel.xml"; }
  grep -qx '50:application/x-fendrel-project:\*\.k7r' "$usr/share/mime/globs2" || fail "*.k7r type"
  grep -qx '50:application/x-fendrel-firmware:\*\.k7x' "$usr/share/mime/globs2" || fail "*.k7x type"
else
  skip update-mime-database
fi
grep -qx 'MimeType=application/x-fendrel-project;' "$usr/share/applications/$id.desktop" ||
  fail "the desktop entry does not open projects"

# The control registered for the machine only, as the package's postinst does;
# the user's own registry stays empty.
export XDG_CONFIG_HOME="$scratch/config"
export FENDREL_CLASS_REGISTRY="$scratch/config/Fendrel/ClassRegistry.ini"
export FENDREL_SYSTEM_CLASS_REGISTRY="$scratch/etc/xdg/Fendrel/ClassRegistry.ini"
"$usr/bin/vogreg" --system "$usr/lib/fendrel/libvog.so" || fail "vogreg --system"
grep -q "\\\\InprocServer32=$usr/lib/fendrel/libvog.so\$" "$FENDREL_SYSTEM_CLASS_REGISTRY" ||
  fail "the system registry does not name the installed control"
[ ! -e "$FENDREL_CLASS_REGISTRY" ] || fail "vogreg --system wrote the user's registry"

# A project made from the installed template, named relative to the working folder
# as a shell user would; the editor opens it as Open does.
cp -r "$usr/share/fendrel/Project_Default" "$scratch/Demo"
items=$(grep -c . "$scratch/Demo/Resource.k7r")
check() { (cd "$scratch" && FENDREL_CHECK_INSTALLATION=1 "$usr/bin/fendrel" "$@"); }
check Demo/Resource.k7r >"$scratch/check.out" || { cat "$scratch/check.out"; fail "installed fendrel"; }
printf 'template: %s\nguide: %s\ncontrol: created\nproject: %s, %s items\n' \
  "$usr/share/fendrel/Project_Default/Resource.k7r" "$usr/share/doc/fendrel/guide/index.html" \
  "$scratch/Demo/Resource.k7r" "$items" |
  diff - "$scratch/check.out" || fail "installed fendrel reports otherwise"
grep -qx "FileProject=$scratch/Demo/Resource.k7r" "$XDG_CONFIG_HOME/Fendrel/Fendrel.conf" ||
  fail "opening did not remember the project as Open does"

# Without the registration the editor says so, as the graphic window would.
"$usr/bin/vogreg" --system -u "$usr/lib/fendrel/libvog.so" || fail "vogreg --system -u"
if check >"$scratch/check.out"; then fail "the control was created without a registration"; fi
grep -q '^control: .*it is not registered' "$scratch/check.out" || fail "no explanation"

# The installed k7x builds and verifies an extended firmware file of that project.
head -c 65536 /dev/zero | tr '\0' '\377' >"$scratch/base.bin"
"$usr/bin/k7x" build "$scratch/Demo/Resource.k7r" "$scratch/base.bin" "$scratch/out.k7x" ||
  fail "k7x build"
"$usr/bin/k7x" verify "$scratch/out.k7x" || fail "k7x verify"

# Removal leaves nothing of the package's own: prerm takes the registration out,
# postrm the registry file that is left empty (dpkg does not know it).
"$usr/bin/vogreg" --system "$usr/lib/fendrel/libvog.so" || fail "vogreg --system again"
for script in prerm postrm; do
  sed -e "s|/etc/xdg/Fendrel|$scratch/etc/xdg/Fendrel|g" -e "s|/usr/lib/fendrel|$usr/lib/fendrel|g" \
    "$build/packaging/$script" >"$scratch/$script"
  PATH="$usr/bin:$PATH" sh "$scratch/$script" remove || fail "$script remove"
done
[ ! -e "$scratch/etc/xdg/Fendrel" ] || fail "removal left $(find "$scratch/etc/xdg/Fendrel")"

# The package as lintian sees it: no errors, and a manual page for every program.
if command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" \
    >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
  deb=$(ls "$scratch"/package/fendrel_*.deb)
  lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log"; fail "lintian finds errors"; }
  ! grep -E 'no-manual-page|manpage-has' "$scratch/lintian.log" || fail "lintian on the manual pages"
else
  skip lintian
fi
echo "installed layout, desktop data, editor, k7x, removal and package: all well"
