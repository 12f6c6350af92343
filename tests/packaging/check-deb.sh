#!/usr/bin/env bash
# The Debian package: built by cpack from this build tree, it holds the
# install tree under /usr owned by root, declares Debian 12's Qt 6 libraries
# (from dpkg-shlibdeps) and fonts-liberation as dependencies, carries
# stripped programs that run once unpacked, and lintian finds no error or
# warning in it. Runs as root only, like a packager's build.
source "$(dirname "$0")/common.sh" || exit 1

[[ $(id -u) -eq 0 ]] || skip "building the package is checked as root"
need cpack dpkg-deb dpkg-shlibdeps dpkg lintian readelf

version=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
arch=$(dpkg --print-architecture)

if ! cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack -G DEB"
    finish
fi
deb=$work/package/corvane_${version}_${arch}.deb
[[ -f "$deb" ]] && pass "cpack built ${deb##*/}" || { fail "no ${deb##*/} in: $(ls "$work/package")"; finish; }

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == corvane ]] && pass "Package: corvane" || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] && pass "Version: $version" || fail "Version: $(field Version)"
[[ $(field Architecture) == "$arch" ]] && pass "Architecture: $arch" || fail "Architecture: $(field Architecture)"
[[ -n $(field Maintainer) ]] && pass "Maintainer: $(field Maintainer)" || fail "no Maintainer"
[[ -n $(field Section) ]] && pass "Section: $(field Section)" || fail "no Section"

depends=$(field Depends)
echo "Depends: $depends"
required=(fonts-liberation libc6 libstdc++6)
[[ "$with_gui" == ON ]] && required+=(libqt6core6 libqt6gui6 libqt6widgets6)
for package in "${required[@]}"; do
    sed 's/, /\n/g' <<<"$depends" | awk '{print $1}' | grep -qxF "$package" && pass "depends on $package" \
        || fail "Depends lacks $package"
done

if [[ "$with_gui" == ON ]]; then
    [[ $(field Recommends) == *qt6-translations-l10n* ]] && pass "recommends Qt's translations" \
        || fail "Recommends lacks qt6-translations-l10n: '$(field Recommends)'"
fi

# Contents: everything under /usr, owned by root, and the files of the
# install tree in place.
dpkg-deb -c "$deb" >"$work/contents"
not_usr=$(awk '$6 != "./" && $6 !~ /^\.\/usr\// {print $6}' "$work/contents")
[[ -z "$not_usr" ]] && pass "every file under /usr" || fail "outside /usr: $not_usr"
not_root=$(awk '$2 != "root/root" {print $6}' "$work/contents")
[[ -z "$not_root" ]] && pass "every file owned by root/root" || fail "not owned by root: $not_root"
for path in $(programs | sed 's|^|usr/bin/|') $(data_files); do
    grep -q " \./$path\$" "$work/contents" && pass "package holds /$path" || fail "package lacks /$path"
done
for program in $(programs); do
    mode=$(awk -v p="./usr/bin/$program" '$6 == p {print $1}' "$work/contents")
    [[ "$mode" == -rwxr-xr-x ]] && pass "$program is -rwxr-xr-x" || fail "$program is '$mode'"
done

dpkg-deb --ctrl-tarfile "$deb" | tar -t >"$work/control-files"
grep -qx './md5sums' "$work/control-files" && pass "control.tar has md5sums" || fail "control.tar has no md5sums"

# Unpacked, the programs are stripped and the command line runs.
dpkg-deb -x "$deb" "$work/unpacked"
for program in $(programs); do
    if readelf -S "$work/unpacked/usr/bin/$program" | grep -q '\.symtab'; then
        fail "$program is not stripped"
    else
        pass "$program is stripped"
    fi
done
twelfth=$("$work/unpacked/usr/bin/corvane-frets" --length 650 --scale tempered-chromatic --format csv | grep '^12,' | cut -d, -f2)
[[ "$twelfth" == 325 ]] && pass "unpacked corvane-frets puts fret 12 at 325" \
    || fail "unpacked corvane-frets puts fret 12 at '$twelfth'"

# lintian, Debian's package checker: no error and no warning. Root is
# what this check runs as; lintian only advises against it.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
status=$?
grep -v 'running with root privileges' "$work/lintian.log"
[[ $status -eq 0 ]] && pass "lintian: no error, no warning" || fail "lintian exits $status"

finish
