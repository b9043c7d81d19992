#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the tree holds
# everything a desktop needs, then runs the desktop's own validators on it
# when they are installed.
# Usage: install_tree_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
expect() {
    if [ -s "$prefix/$1" ]; then echo "ok: $1"; else echo "FAIL: $1 missing or empty"; status=1; fi
}
expect bin/kt-tessaro
expect bin/tessaro-cli
expect libexec/kt-tessaro/tessaro-cli-full
expect libexec/kt-tessaro/tessaro-wmf-decoder
expect libexec/kt-tessaro/tessaro-emf-decoder
# The installed tessaro-cli finds its second program for the commands
# beyond the engine's.
"$prefix/bin/tessaro-cli" contrast 000000 FFFFFF | grep -q '21' \
    && echo "ok: tessaro-cli runs tessaro-cli-full" || { echo "FAIL: tessaro-cli contrast"; status=1; }
# The installed tessaro-cli-full finds the metafile decoders beside it: a
# layout with a WMF and one with an EMF picture render.
for layout in "Logo 02" "Page 02"; do
    if "$prefix/bin/tessaro-cli" render "$prefix/share/kt-tessaro/TLs/$layout.sts" -o "$root/out.png" 2>/dev/null \
        && [ -s "$root/out.png" ]; then
        echo "ok: tessaro-cli render $layout.sts"
    else
        echo "FAIL: tessaro-cli render $layout.sts"; status=1
    fi
done
# A program in bin/ (kt-tessaro) finds them in ../libexec/kt-tessaro: the
# same lookup, tried with a copy of tessaro-cli-full placed in bin/.
cp "$prefix/libexec/kt-tessaro/tessaro-cli-full" "$prefix/bin/decoder-lookup-probe"
if "$prefix/bin/decoder-lookup-probe" render "$prefix/share/kt-tessaro/TLs/Logo 02.sts" -o "$root/probe.png" 2>/dev/null \
    && [ -s "$root/probe.png" ]; then
    echo "ok: a program in bin/ finds the decoders in libexec/kt-tessaro"
else
    echo "FAIL: a program in bin/ does not find the decoders"; status=1
fi
rm "$prefix/bin/decoder-lookup-probe"
expect share/applications/kt-tessaro.desktop
expect share/metainfo/io.github.kt_tessaro.KTTessaro.metainfo.xml
expect share/mime/packages/kt-tessaro.xml
expect share/icons/hicolor/scalable/apps/kt-tessaro.svg
for size in 16 22 24 32 48 64 128 256; do
    expect share/icons/hicolor/${size}x${size}/apps/kt-tessaro.png
done
for program in kt-tessaro tessaro-cli; do
    expect share/man/man1/$program.1.gz
done
expect share/kt-tessaro/help/index.htm
for shot in main history reopen about; do
    expect share/kt-tessaro/help/shots/$shot.png
done
expect share/kt-tessaro/TD/colors.txt

# Every picture the manual shows is in the tree.
while read -r picture; do
    expect "share/kt-tessaro/help/$picture"
done < <(grep -o 'src="[^"]*"' "$prefix/share/kt-tessaro/help/index.htm" | sed 's/^src="//; s/"$//')

desktop=$prefix/share/applications/kt-tessaro.desktop
grep -qx 'MimeType=application/x-kt-tessaro-colorlist;' "$desktop" || { echo "FAIL: no MimeType for .cll"; status=1; }
grep -q 'glob pattern="\*.cll"' "$prefix/share/mime/packages/kt-tessaro.xml" || { echo "FAIL: no *.cll glob"; status=1; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" && echo "ok: desktop-file-validate" || { echo "FAIL: desktop-file-validate"; status=1; }
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/io.github.kt_tessaro.KTTessaro.metainfo.xml" \
        && echo "ok: appstreamcli validate" || { echo "FAIL: appstreamcli validate"; status=1; }
fi
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null 2>&1 \
        && grep -q 'application/x-kt-tessaro-colorlist' "$prefix/share/mime/globs2" \
        && echo "ok: MIME database knows *.cll" || { echo "FAIL: update-mime-database"; status=1; }
fi
if command -v man >/dev/null; then
    for program in kt-tessaro tessaro-cli; do
        man -l "$prefix/share/man/man1/$program.1.gz" 2>/dev/null | grep -q "$program" \
            && echo "ok: man page of $program" || { echo "FAIL: the man page of $program does not render"; status=1; }
    done
fi
exit $status
