#!/usr/bin/env bash
# Builds the Debian package of both programs and checks it: installs the build into a temporary
# prefix and checks that tree (programs, language, help and note files, menu entries, icons, file
# types, AppStream data, manual pages, and that the installed programs find their language files),
# then runs cpack, checks the package's contents and runs lintian, which must report no error (E)
# and no warning (W); its information (I) and pedantic (P) notes are printed. A new build folder
# (build-package unless BUILD_DIR says otherwise) is configured for release with only the programs;
# an existing one is used as it is.
BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-package}
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages desktop-file-utils libxml2-utils appstream shared-mime-info dpkg-dev file strace lintian man-db
if [ -f "$BUILD_DIR/CMakeCache.txt" ]; then
    build_project
else
    build_project -DCMAKE_BUILD_TYPE=Release -DQUORRA_BUILD_TESTS=OFF -DQUORRA_BUILD_BENCHMARKS=OFF
fi

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
expect_file() {
    [ -s "$1" ] || fail "missing $1"
}

PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
echo "== Installing into $PREFIX"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
SHARE=$PREFIX/share

for program in math tessaly; do
    [ -x "$PREFIX/bin/$program" ] || fail "missing program bin/$program"
done
for language in English Swedish; do
    expect_file "$SHARE/quorra/qor$language.lng"
    expect_file "$SHARE/quorra/qor$language.html"
    expect_file "$SHARE/tessaly/tsy$language.lng"
    expect_file "$SHARE/tessaly/tsy$language.html"
done
expect_file "$SHARE/quorra/Introduc.txt"
expect_file "$SHARE/quorra/Survey.txt"
expect_file "$SHARE/doc/quorra/copyright"
expect_file "$SHARE/doc/quorra/changelog.gz"
for program in math tessaly; do
    page=$SHARE/man/man1/$program.1.gz
    expect_file "$page"
    # man's own warnings (unknown requests, lines that cannot be broken) are what lintian reports.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page of $program has warnings: $warnings"
done

for id in se.orvane.Quorra se.orvane.Tessaly; do
    expect_file "$SHARE/applications/$id.desktop"
    desktop-file-validate "$SHARE/applications/$id.desktop" || fail "$id.desktop is not valid"
    expect_file "$SHARE/icons/hicolor/scalable/apps/$id.svg"
    xmllint --noout "$SHARE/icons/hicolor/scalable/apps/$id.svg" || fail "$id.svg is not well-formed"
    expect_file "$SHARE/metainfo/$id.metainfo.xml"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$SHARE/metainfo/$id.metainfo.xml" || fail "$id metainfo is not valid"
    fi
done

MIME_FILE=$SHARE/mime/packages/quorra-tessaly.xml
expect_file "$MIME_FILE"
xmllint --noout "$MIME_FILE" || fail "the file types are not well-formed XML"
# The shared-mime-info compiler is the reference reader of this format: it refuses what it cannot use.
update-mime-database "$SHARE/mime" >/dev/null || fail "update-mime-database refused the file types"
grep -qx 'application/x-quorra-document:\*\.qor' "$SHARE/mime/globs" || fail "*.qor is not registered"
grep -qx 'application/x-tessaly-project:\*\.tsy' "$SHARE/mime/globs" || fail "*.tsy is not registered"

# The installed programs find their files in share/<product>/: the command line prints translated
# texts, and the windows, started offscreen until the timeout ends them, open their language file.
echo "== Starting the installed programs"
for entry in math:quorra:qor tessaly:tessaly:tsy; do
    IFS=: read -r program product prefix <<<"$entry"
    errors=$("$PREFIX/bin/$program" --help 2>&1 >/dev/null)
    usage=$("$PREFIX/bin/$program" --help 2>/dev/null)
    [[ "$usage" == Usage:* && -z "$errors" ]] || fail "$program --help without its language file: $errors"
    trace=$(mktemp)
    status=0
    QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=openat -o "$trace" \
        timeout 5 "$PREFIX/bin/$program" >/dev/null 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "$program did not keep running offscreen (exit status $status)"
    grep -Eq "share/$product/${prefix}English\.lng\", O_RDONLY[^)]*\) = [0-9]+" "$trace" ||
        fail "$program did not open share/$product/${prefix}English.lng"
    rm -f "$trace"
done

echo "== Building the Debian package"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
PACKAGE=$(ls -t "$BUILD_DIR"/quorra_*.deb | head -1)
CONTENTS=$(dpkg-deb --contents "$PACKAGE" | awk '{print $6}')
for path in usr/bin/math usr/bin/tessaly usr/share/quorra/qorEnglish.lng usr/share/quorra/qorSwedish.html \
    usr/share/quorra/Introduc.txt usr/share/tessaly/tsyEnglish.lng usr/share/tessaly/tsySwedish.html \
    usr/share/applications/se.orvane.Quorra.desktop usr/share/applications/se.orvane.Tessaly.desktop \
    usr/share/icons/hicolor/scalable/apps/se.orvane.Quorra.svg \
    usr/share/icons/hicolor/scalable/apps/se.orvane.Tessaly.svg usr/share/mime/packages/quorra-tessaly.xml \
    usr/share/metainfo/se.orvane.Quorra.metainfo.xml usr/share/metainfo/se.orvane.Tessaly.metainfo.xml \
    usr/share/doc/quorra/copyright usr/share/doc/quorra/changelog.gz usr/share/man/man1/math.1.gz \
    usr/share/man/man1/tessaly.1.gz; do
    grep -qx "\./$path" <<<"$CONTENTS" || fail "the package lacks /$path"
done
DEPENDS=$(dpkg-deb --field "$PACKAGE" Depends)
for library in libqt6widgets6 libqt6svg6 libqt6printsupport6; do
    [[ "$DEPENDS" == *"$library"* ]] || fail "the package does not depend on $library: $DEPENDS"
done

echo "== lintian"
# Every tag with its explanation level; an error or a warning fails the check.
LINTIAN_REPORT=$(lintian --display-info --pedantic --tag-display-limit 0 "$PACKAGE" 2>&1) ||
    [ -n "$LINTIAN_REPORT" ] || fail "lintian could not check $PACKAGE"
[ -z "$LINTIAN_REPORT" ] || echo "$LINTIAN_REPORT"
grep -Eq '^[EW]: ' <<<"$LINTIAN_REPORT" && fail "lintian reports errors or warnings for $PACKAGE"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Package $PACKAGE: $(wc -l <<<"$CONTENTS") entries, depends on $DEPENDS"
