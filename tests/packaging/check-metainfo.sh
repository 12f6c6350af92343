#!/usr/bin/env bash
# The installed AppStream metadata, one component for each window program:
# valid for appstreamcli (without network: screenshot URLs are not
# fetched), naming the installed menu entry, with French and English texts
# and release 2.3, and screenshots that exist in packaging/screenshots at
# the size the metadata gives.
source "$(dirname "$0")/common.sh" || exit 1

need_gui
need appstreamcli
install_tree

# No error, warning or remark; only pedantic notes (an upper-case letter in
# the reverse-DNS id) are let through.
validate() {
    local report status
    report=$(appstreamcli "$@" --no-net --no-color 2>&1)
    status=$?
    if [[ $status -eq 0 ]] && ! grep -qE '^[EWI]: ' <<<"$report"; then
        pass "appstreamcli $1 accepts ${2##*/}"
    else
        fail "appstreamcli $1 exits $status on ${2##*/}: $report"
    fi
}
# The whole tree: metainfo, menu entries and icons together.
validate validate-tree "$root"

for id in "${gui_app_ids[@]}"; do
    metainfo=$root/usr/share/metainfo/$id.metainfo.xml
    [[ -f "$metainfo" ]] || { fail "missing $metainfo"; continue; }
    validate validate "$metainfo"

    expect_line() {
        grep -qF -- "$1" "$metainfo" && pass "$id: $2" || fail "$id metainfo lacks $2: $1"
    }
    expect_line "<id>$id</id>" "the component id"
    expect_line "<launchable type=\"desktop-id\">$id.desktop</launchable>" "the menu entry as launchable"
    expect_line "<binary>${program_of[$id]}</binary>" "its program"
    expect_line "<icon type=\"stock\">${icon_of[$id]}</icon>" "its icon"
    expect_line '<release version="2.3"' "release 2.3"
    expect_line '<project_license>GPL-3.0-or-later</project_license>' "the licence"
    expect_line '<summary xml:lang="fr">' "a French summary"
    expect_line '<p xml:lang="fr">' "a French description"
    expect_line '<content_rating type="oars-1.1"' "a content rating"

    [[ -f "$root/usr/share/applications/$id.desktop" ]] \
        && pass "the launchable $id.desktop is installed" || fail "the launchable $id.desktop is not installed"

    # Each screenshot URL ends in a file kept in packaging/screenshots,
    # whose size is the one the metadata declares.
    count=0
    while read -r width height url; do
        count=$((count + 1))
        file=$source_dir/packaging/screenshots/${url##*/}
        if [[ ! -f "$file" ]]; then
            fail "screenshot $url has no file ${file#"$source_dir/"}"
            continue
        fi
        actual=$(png_size "$file") || { fail "${file#"$source_dir/"} is not a PNG image"; continue; }
        [[ "$actual" == "$width $height" ]] && pass "${url##*/} is ${width}x${height}" \
            || fail "${url##*/} is ${actual/ /x}, the metadata says ${width}x${height}"
    done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
    ((count > 0)) && pass "$id: $count screenshot(s)" || fail "$id: no screenshot"
done

finish
