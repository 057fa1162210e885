#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack -G DEB` deliver. One part per run:
#   files    installs into a temporary prefix and checks the program, its data, the desktop
#            entry, the icons, the metainfo, the copyright and the changelog, and that the
#            installed program starts
#   desktop  validates the desktop entry and the metainfo (skipped without the validators)
#   package  builds the Debian package and checks its contents and dependencies, and runs
#            lintian where it is installed (skipped without dpkg-deb)
# Arguments: part build-dir source-dir cmake cpack bindir libdir datadir
set -euo pipefail

part=$1 build=$2 source=$3 cmake=$4 cpack=$5 bindir=$6 libdir=$7 datadir=$8
skip=77
app=org.quillmark.Quillmark
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The files a prefix must hold, relative to it.
expected_files() {
    echo "$bindir/quillmark"
    echo "$libdir/quillmark/libquillmark_webpreview.so"
    (cd "$source/data" && find . -type f | sed "s|^\./|$datadir/quillmark/|")
    echo "$datadir/applications/$app.desktop"
    echo "$datadir/metainfo/$app.metainfo.xml"
    echo "$datadir/doc/quillmark/copyright"
    echo "$datadir/doc/quillmark/changelog.gz"
    echo "$datadir/icons/hicolor/scalable/apps/$app.svg"
    for size in 16 22 24 32 48 64 128 256; do
        echo "$datadir/icons/hicolor/${size}x${size}/apps/$app.png"
    done
}

# Width and height from a PNG's header, as "WxH".
png_size() {
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    echo "${w}x${h}"
}

case $part in
files)
    prefix=$work/prefix
    "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
        fail "cmake --install: $(cat "$work/install.log")"
    while read -r file; do
        [ -f "$prefix/$file" ] || fail "$file is not installed"
    done < <(expected_files)
    [ -x "$prefix/$bindir/quillmark" ] || fail "the program is not executable"
    for size in 16 22 24 32 48 64 128 256; do
        png=$prefix/$datadir/icons/hicolor/${size}x${size}/apps/$app.png
        [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
            fail "$png is no PNG"
        [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png")"
    done
    grep -q '^MimeType=.*text/html;' "$prefix/$datadir/applications/$app.desktop" ||
        fail "the desktop entry claims no text/html"
    grep -q 'application/xhtml+xml' "$prefix/$datadir/applications/$app.desktop" ||
        fail "the desktop entry claims no application/xhtml+xml"
    doc=$prefix/$datadir/doc/quillmark
    head -n 1 "$doc/copyright" |
        grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "the copyright file is not in the machine-readable format"
    gzip -t "$doc/changelog.gz" || fail "the changelog is no gzip file"
    gzip -dc "$doc/changelog.gz" | head -n 1 | grep -q '^quillmark (' ||
        fail "the changelog does not start with the package's entry"
    version=$("$prefix/$bindir/quillmark" --version) || fail "the installed program does not start"
    [[ $version == Quillmark\ * ]] || fail "the installed program answers: $version"
    ;;
desktop)
    ran=0
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$source/dist/$app.desktop" || fail "desktop-file-validate"
        ran=1
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$build/dist/$app.metainfo.xml" || fail "appstreamcli"
        ran=1
    fi
    if [ $ran = 0 ]; then
        echo "desktop-file-validate and appstreamcli are not installed: skipped"
        exit $skip
    fi
    ;;
package)
    if ! command -v dpkg-deb >/dev/null || ! [ -x "$cpack" ]; then
        echo "cpack or dpkg-deb is not installed: skipped"
        exit $skip
    fi
    # gzip rather than xz: the package is only looked at here.
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" \
        -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1 ||
        fail "cpack: $(cat "$work/cpack.log")"
    deb=$(ls "$work"/*.deb 2>/dev/null | head -n 1)
    [ -n "$deb" ] || fail "cpack made no package: $(cat "$work/cpack.log")"
    dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||' >"$work/contents"
    prefix=$(awk -F'"' '/^set\(CPACK_PACKAGING_INSTALL_PREFIX /{print $2}' "$build/CPackConfig.cmake")
    prefix=${prefix:-/usr}
    prefix=${prefix#/}
    while read -r file; do
        grep -qxF "$prefix/$file" "$work/contents" || fail "the package lacks /$prefix/$file"
    done < <(expected_files)
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libqt6widgets6 libqscintilla2-qt6 libhunspell libqt6svg6 \
        qt6-image-formats-plugins; do
        [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Package)" = quillmark ] || fail "the package is not named quillmark"
    if command -v lintian >/dev/null; then
        lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
        if grep -E '^E: ' "$work/lintian.log"; then
            fail "lintian finds errors in the package"
        fi
    fi
    ;;
*)
    fail "unknown part $part"
    ;;
esac
