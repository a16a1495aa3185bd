#!/usr/bin/env bash
# Builds the Debian package (build/paquet/quorvel_*.deb) with Debian's own
# compiler and linker hardening flags, then checks it: lintian, the AppStream
# metainfo, the menu entry and the manual pages. Exits non-zero on any error.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

arbre=build/paquet
rm -rf "$arbre"
mkdir -p "$arbre"
# Stripped as Debian's own tools strip: symbols, the compilers' notes too.
cat > "$arbre/strip" <<'FIN'
#!/bin/sh
exec strip --remove-section=.comment --remove-section=.note "$@"
FIN
chmod +x "$arbre/strip"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake --preset release -B "$arbre" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_STRIP="$PWD/$arbre/strip"
cmake --build "$arbre" -j "$(nproc)"
(cd "$arbre" && cpack)
deb=$(ls "$arbre"/quorvel_*.deb)

echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

echo "== lintian (exceptions: packaging/lintian-overrides)"
lintian --info --display-info --fail-on error,warning "$deb"

echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic "$arbre/desktop/org.quorvel.quorvel.metainfo.xml"

echo "== desktop-file-validate"
desktop-file-validate "$arbre/desktop/quorvel.desktop"

echo "== manual pages"
for page in man/quorvel.1 man/quorvel-sim.1; do
    avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    if [ -n "$avertissements" ]; then
        echo "$page: $avertissements"
        exit 1
    fi
done
echo "package ready: $deb ($(stat -c %s "$deb") bytes)"
