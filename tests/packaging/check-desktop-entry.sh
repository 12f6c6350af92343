#!/usr/bin/env bash
# The installed menu entry: valid for desktop-file-validate, in French, and
# pointing at a program and an icon that the same install tree holds.
source "$(dirname "$0")/common.sh" || exit 1

need_gui
need desktop-file-validate
install_tree

entry=$root/usr/share/applications/$app_id.desktop
[[ -f "$entry" ]] || { fail "missing $entry"; finish; }

# Not even a hint: the entry is exactly as the validator wants it.
report=$(desktop-file-validate "$entry" 2>&1)
status=$?
[[ $status -eq 0 && -z "$report" ]] && pass "desktop-file-validate accepts the entry" \
    || fail "desktop-file-validate exits $status: $report"

# The value of a key in the [Desktop Entry] group.
value() {
    awk -v key="$1" '
        /^\[/ { group = $0; next }
        group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$entry"
}

expect_value() {
    local actual
    actual=$(value "$1")
    [[ "$actual" == "$2" ]] && pass "$1=$2" || fail "$1 is '$actual', expected '$2'"
}
expect_value Type Application
expect_value Name Corvane
expect_value "GenericName[fr]" "Calculateur de frettes"
expect_value Icon corvane
expect_value Terminal false
[[ -n "$(value "Comment[fr]")" ]] && pass "French comment" || fail "no Comment[fr]"
[[ -n "$(value Categories)" ]] && pass "Categories=$(value Categories)" || fail "no Categories"

# Exec names the GUI program, which the install tree must hold.
program=$(value Exec | awk '{print $1}')
[[ "$program" == corvane ]] && pass "Exec runs corvane" || fail "Exec runs '$program'"
if [[ "$with_gui" == ON ]]; then
    [[ -x "$root/usr/bin/$program" ]] && pass "/usr/bin/$program is installed" \
        || fail "Exec names $program, which is not installed"
fi

# The icon name resolves in the hicolor theme.
icon=$(value Icon)
found=$(find "$root/usr/share/icons/hicolor" -path "*/apps/$icon.*" | wc -l)
((found >= 5)) && pass "icon '$icon' has $found images in hicolor" \
    || fail "icon '$icon' has $found images in hicolor, expected 5"

finish
