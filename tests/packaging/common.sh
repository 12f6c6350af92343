# Shared by the packaging checks. Each check runs as
#   bash check-….sh BUILD_DIR SOURCE_DIR WITH_GUI
# and exits 0 when every check passed, 1 when one failed, 77 when it
# cannot run here (a tool missing, not root), which ctest reports as a skip.

set -uo pipefail

build_dir=${1:?build directory}
source_dir=${2:?source directory}
with_gui=${3:?ON or OFF}

app_id=org.corvane.Corvane
icon_sizes=(48 64 128 256)
# Each window program: its menu entry and metadata id, and its icon name.
gui_app_ids=(org.corvane.Corvane org.corvane.Corvane.Atelier)
declare -A icon_of=([org.corvane.Corvane]=corvane [org.corvane.Corvane.Atelier]=corvane-atelier)
declare -A program_of=([org.corvane.Corvane]=corvane [org.corvane.Corvane.Atelier]=corvane-atelier)

failures=0
work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-packaging.XXXXXX")
trap 'rm -rf "$work"' EXIT

skip() {
    echo "SKIP: $*"
    exit 77
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

pass() {
    echo "ok: $*"
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
    done
}

finish() {
    if ((failures > 0)); then
        echo "$failures check(s) failed"
        exit 1
    fi
    exit 0
}

# The menu entry, metadata and icons come with the window.
need_gui() {
    [[ "$with_gui" == ON ]] || skip "the window is not built (CORVANE_BUILD_GUI=OFF)"
}

# The programs the install tree must hold.
programs() {
    echo corvane-frets
    [[ "$with_gui" == ON ]] && echo corvane corvane-atelier | tr ' ' '\n'
    return 0
}

# Installs the build tree under $work/root with prefix /usr, the way a
# packager does (DESTDIR), and sets $root to it.
install_tree() {
    root=$work/root
    if ! DESTDIR=$root cmake --install "$build_dir" --prefix /usr >"$work/install.log" 2>&1; then
        cat "$work/install.log"
        echo "FAIL: cmake --install"
        exit 1
    fi
}

# Width and height of a PNG file, from its IHDR chunk: "W H".
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [[ "$signature" == 89504e470d0a1a0a ]] || return 1
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    echo "$w $h"
}

# The files of the install tree besides the programs, relative to the
# prefix's parent: "usr/share/…".
data_files() {
    echo usr/share/doc/corvane/copyright
    echo usr/share/doc/corvane/changelog.gz
    local program
    for program in $(programs); do
        echo "usr/share/man/man1/$program.1.gz"
    done
    [[ "$with_gui" == ON ]] || return 0
    echo usr/share/mime/packages/corvane-atelier.xml
    local id size
    for id in "${gui_app_ids[@]}"; do
        echo "usr/share/applications/$id.desktop"
        echo "usr/share/metainfo/$id.metainfo.xml"
        echo "usr/share/icons/hicolor/scalable/apps/${icon_of[$id]}.svg"
        for size in "${icon_sizes[@]}"; do
            echo "usr/share/icons/hicolor/${size}x${size}/apps/${icon_of[$id]}.png"
        done
    done
}
