#!/usr/bin/env bash
# The installed menu entries, one for each window program: valid for
# desktop-file-validate, in French, and pointing at a program and an icon
# that the same install tree holds.
source "$(dirname "$0")/common.sh" || exit 1

need_gui
need desktop-file-validate
install_tree

# The value of a key in the [Desktop Entry] group of $entry.
value() {
    awk -v key="$1" '
        /^\[/ { group = $0; next }
        group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$entry"
}

expect_value() {
    local actual
    actual=$(value "$1")
    [[ "$actual" == "$2" ]] && pass "$id: $1=$2" || fail "$id: $1 is '$actual', expected '$2'"
}

# check_entry ID NAME FRENCH_GENERIC_NAME
check_entry() {
    id=$1
    entry=$root/usr/share/applications/$id.desktop
    [[ -f "$entry" ]] || { fail "missing $entry"; return; }

    # Not even a hint: the entry is exactly as the validator wants it.
    local report status
    report=$(desktop-file-validate "$entry" 2>&1)
    status=$?
    [[ $status -eq 0 && -z "$report" ]] && pass "desktop-file-validate accepts $id" \
        || fail "desktop-file-validate exits $status on $id: $report"

    expect_value Type Application
    expect_value Name "$2"
    expect_value "GenericName[fr]" "$3"
    expect_value Icon "${icon_of[$id]}"
    expect_value Terminal false
    expect_value Categories "Utility;Calculator;"
    [[ -n "$(value "Comment[fr]")" ]] && pass "$id: French comment" || fail "$id: no Comment[fr]"

    # Exec names the program, which the install tree must hold.
    local program
    program=$(value Exec | awk '{print $1}')
    [[ "$program" == "${program_of[$id]}" ]] && pass "$id: Exec runs $program" \
        || fail "$id: Exec runs '$program', expected ${program_of[$id]}"
    [[ -x "$root/usr/bin/$program" ]] && pass "/usr/bin/$program is installed" \
        || fail "Exec names $program, which is not installed"

    # The icon name resolves in the hicolor theme.
    local icon found
    icon=$(value Icon)
    found=$(find "$root/usr/share/icons/hicolor" -path "*/apps/$icon.*" | wc -l)
    ((found >= 5)) && pass "icon '$icon' has $found images in hicolor" \
        || fail "icon '$icon' has $found images in hicolor, expected 5"
}

check_entry org.corvane.Corvane Corvane "Calculateur de frettes"
check_entry org.corvane.Corvane.Atelier "Corvane Atelier" "Conception de touche"

# The Atelier opens design files: its entry takes a file and names their
# type, which the installed MIME package defines with its extension.
id=org.corvane.Corvane.Atelier
entry=$root/usr/share/applications/$id.desktop
[[ "$(value Exec)" == "corvane-atelier %f" ]] && pass "$id: Exec takes a file" || fail "$id: Exec is '$(value Exec)'"
mime=$root/usr/share/mime/packages/corvane-atelier.xml
if grep -q "type=\"$(value MimeType | tr -d ';')\"" "$mime" 2>/dev/null && grep -q 'pattern="\*\.corvane"' "$mime"; then
    pass "the MIME package defines $(value MimeType) for *.corvane"
else
    fail "the MIME package does not define '$(value MimeType)' for *.corvane"
fi

finish
