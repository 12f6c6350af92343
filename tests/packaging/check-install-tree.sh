#!/usr/bin/env bash
# `cmake --install` into a staging directory with prefix /usr: the programs
# in bin, the menu entry, metadata, icons, manual pages and documents each
# where the freedesktop and Debian conventions put them, with the right
# modes, and nothing that points back into the build or source tree.
source "$(dirname "$0")/common.sh" || exit 1

install_tree

# Nothing outside the prefix, nothing but bin and share inside it.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z "$outside" ]] && pass "everything under the prefix" || fail "installed outside the prefix: $outside"
inside=$(cd "$root/usr" && find . -mindepth 1 -maxdepth 1 ! -name bin ! -name share | sort)
[[ -z "$inside" ]] && pass "only bin and share under the prefix" || fail "unexpected under /usr: $inside"

# Exactly the programs, executable by everyone.
expected_bin=$(programs | sort)
actual_bin=$(ls -1 "$root/usr/bin" 2>/dev/null | sort)
[[ "$actual_bin" == "$expected_bin" ]] && pass "bin holds $(echo $expected_bin)" \
    || fail "bin holds '$(echo $actual_bin)', expected '$(echo $expected_bin)'"

for program in $(programs); do
    file=$root/usr/bin/$program
    [[ -f "$file" && -x "$file" ]] || { fail "$program is not an executable file"; continue; }
    [[ $(stat -c %a "$file") == 755 ]] && pass "$program is 0755" || fail "$program has mode $(stat -c %a "$file")"
    # A run path into the build tree, or to any fixed directory, would make
    # the installed program load libraries from where it was built. A path
    # relative to the program ($ORIGIN) moves with it.
    if command -v readelf >/dev/null 2>&1; then
        runpath=$(readelf -d "$file" | sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]/\2/p')
        fixed=$(tr ':' '\n' <<<"$runpath" | grep -v '^\$ORIGIN' | grep . || true)
        [[ -z "$fixed" ]] && pass "$program has no fixed run path${runpath:+ (run path $runpath)}" \
            || fail "$program has a fixed run path: $fixed"
    fi
    page=$root/usr/share/man/man1/$program.1.gz
    [[ -f "$page" ]] && pass "$program has a manual page" || fail "no manual page $page"
done

# Exactly the data files, each in its place.
expected_data=$(data_files | sort)
actual_data=$(cd "$root" && find usr/share -type f | sort)
missing=$(comm -23 <(echo "$expected_data") <(echo "$actual_data"))
extra=$(comm -13 <(echo "$expected_data") <(echo "$actual_data"))
[[ -z "$missing" ]] && pass "every data file installed" || fail "missing: $missing"
[[ -z "$extra" ]] && pass "no unexpected data file" || fail "unexpected: $extra"

for name in "${icon_of[@]}"; do
    for size in "${icon_sizes[@]}"; do
        icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$name.png
        [[ -f "$icon" ]] || continue
        actual=$(png_size "$icon") || { fail "${icon#"$root"} is not a PNG image"; continue; }
        [[ "$actual" == "$size $size" ]] && pass "${size}x${size} $name icon is ${actual/ /x}" \
            || fail "${size}x${size} $name icon is ${actual/ /x} pixels"
    done
    svg=$root/usr/share/icons/hicolor/scalable/apps/$name.svg
    if [[ -f "$svg" ]]; then
        grep -q '<svg' "$svg" && pass "scalable $name icon is SVG" || fail "scalable $name icon has no <svg> element"
    fi
done
if [[ "$with_gui" == ON ]]; then
    mime=$root/usr/share/mime/packages/corvane-atelier.xml
    grep -q '<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">' "$mime" \
        && pass "the design file type is a shared-mime-info package" || fail "$mime is not a shared-mime-info package"
fi

# Compressed files: valid gzip, with neither a file name nor a time stamp
# in the header (flags byte 3, time bytes 4 to 7), so builds are repeatable.
while IFS= read -r -d '' gz; do
    name=${gz#"$root"}
    gzip -t "$gz" 2>/dev/null || { fail "$name is not valid gzip"; continue; }
    header=$(od -An -tu1 -j3 -N5 "$gz" | tr -s ' ' | sed 's/^ //')
    [[ "$header" == "0 0 0 0 0" ]] && pass "$name has a bare gzip header" \
        || fail "$name stores a name or a time stamp (header bytes $header)"
done < <(find "$root" -name '*.gz' -print0)

# Modes: directories 0755, data 0644, programs 0755 (checked above).
bad_dirs=$(find "$root/usr" -type d ! -perm 755)
[[ -z "$bad_dirs" ]] && pass "directories are 0755" || fail "directories not 0755: $bad_dirs"
bad_files=$(find "$root/usr/share" -type f ! -perm 644)
[[ -z "$bad_files" ]] && pass "data files are 0644" || fail "data files not 0644: $bad_files"

# No text file names the build or the source tree.
leaks=$(grep -rlI -e "$build_dir" -e "$source_dir" "$root/usr/share" || true)
[[ -z "$leaks" ]] && pass "no build or source path in installed text" || fail "paths of this tree in: $leaks"

# The installed program runs from where it was installed.
frets=$root/usr/bin/corvane-frets
if [[ -x "$frets" ]]; then
    output=$("$frets" --length 650 --scale tempered-chromatic --format csv)
    status=$?
    twelfth=$(echo "$output" | grep '^12,' | cut -d, -f2)
    [[ $status -eq 0 && "$twelfth" == 325 ]] && pass "installed corvane-frets puts fret 12 at 325" \
        || fail "installed corvane-frets: status $status, fret 12 at '$twelfth'"
fi

finish
