#!/usr/bin/env bash
# The installed manual pages: man finds them, renders them without a
# warning, with the usual sections and the version of this build, and the
# page of corvane-frets documents every option its --help lists.
source "$(dirname "$0")/common.sh" || exit 1

need man groff
install_tree

version=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
mandir=$root/usr/share/man

for program in $(programs); do
    page=$mandir/man1/$program.1.gz
    [[ -f "$page" ]] || { fail "missing ${page#"$root"}"; continue; }

    found=$(MANPATH=$mandir man -w "$program" 2>/dev/null)
    [[ "$found" == "$page" ]] && pass "man finds $program(1)" || fail "man -w $program gives '$found'"

    text=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>"$work/warnings")
    status=$?
    if [[ $status -eq 0 && ! -s "$work/warnings" ]]; then
        pass "$program(1) renders without warnings"
    else
        fail "$program(1): man exits $status: $(cat "$work/warnings")"
    fi

    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" EXAMPLES "SEE ALSO"; do
        grep -qx "$section" <<<"$text" || fail "$program(1) has no $section section"
    done
    grep -q "^Corvane $version " <<<"$text" && pass "$program(1) is for Corvane $version" \
        || fail "$program(1) does not name Corvane $version in its footer"
    grep -q "^       $program - " <<<"$text" && pass "$program(1) NAME line" \
        || fail "$program(1) NAME line does not start with '$program - '"
done

# Every option of corvane-frets --help, and every scale name, is in its page.
frets=$root/usr/bin/corvane-frets
page=$mandir/man1/corvane-frets.1.gz
if [[ -x "$frets" && -f "$page" ]]; then
    text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -E UTF-8 -l "$page" 2>/dev/null)
    help=$("$frets" --help)
    # Each option heads an item of the OPTIONS section.
    options_section=$(sed -n '/^OPTIONS$/,/^[A-Z]/p' <<<"$text")
    for option in $( (grep -oE -- '--[a-z]+(-[a-z0-9]+)*' <<<"$help"; echo --help) | sort -u); do
        grep -qE -- "^       (-[a-z], )?$option( |,|$)" <<<"$options_section" \
            && pass "corvane-frets(1) documents $option" \
            || fail "corvane-frets(1) has no OPTIONS item for $option"
    done
    for scale in {tempered,natural,pythagorean}-{diatonic,chromatic}; do
        grep -qF -- "$scale" <<<"$text" || fail "corvane-frets(1) does not name the scale $scale"
        "$frets" --length 650 --scale "$scale" >/dev/null || fail "corvane-frets rejects the documented scale $scale"
    done
    for status in 0 1 2; do
        grep -qE "^       $status +" <<<"$text" || fail "corvane-frets(1) does not describe exit status $status"
    done
fi

# corvane-atelier answers --help without a display; each option it lists
# heads an item of its page's OPTIONS section.
atelier=$root/usr/bin/corvane-atelier
page=$mandir/man1/corvane-atelier.1.gz
if [[ -x "$atelier" && -f "$page" ]]; then
    text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -E UTF-8 -l "$page" 2>/dev/null)
    options_section=$(sed -n '/^OPTIONS$/,/^[A-Z]/p' <<<"$text")
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$atelier" --help) || fail "corvane-atelier --help fails without a display"
    for option in $(grep -oE -- '--[a-z]+' <<<"$help" | sort -u); do
        grep -qE -- "^       $option( |,|$)" <<<"$options_section" \
            && pass "corvane-atelier(1) documents $option" \
            || fail "corvane-atelier(1) has no OPTIONS item for $option"
    done
    [[ $("$atelier" --version) == "corvane-atelier $version" ]] && pass "corvane-atelier --version names $version" \
        || fail "corvane-atelier --version says '$("$atelier" --version)'"
fi

finish
