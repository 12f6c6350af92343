# The Debian package, built with `cpack -G DEB` from a configured build tree
# (README: "Installing from a Debian package"). Dependencies come from
# dpkg-shlibdeps (Debian's Qt 6, libstdc++, libc) plus the fonts the window
# substitutes for the ones it asks for.

set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane developers")
set(CPACK_PACKAGE_CONTACT "Corvane developers <maintainers@corvane.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://corvane.org/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fret calculator for instrument makers")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships stripped programs; the symbols stay in the build tree.
set(CPACK_STRIP_FILES ON)
# Directories the package creates are 0755 whatever the packager's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# The window loads Qt's own French texts (the print dialog) when they are
# installed, and works in English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; CPack puts the summary above it and indents it as
# the control file wants (an empty line becomes " .").
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Corvane computes where the frets of a string instrument go. Type the
vibrating length of the string, from nut to saddle, in any unit, choose
one of six scales (equal-tempered, natural or Pythagorean, each diatonic
or chromatic) and Corvane shows the distance of every fret from the nut,
with the French name of its note. A printable sheet lists the same table.

The window's interface is in French. The corvane-frets command prints the
same table in a terminal, as text, CSV or JSON.

Corvane Atelier (corvane-atelier) designs a whole fretboard, straight or
fanned, in any temperament (equal divisions, just, Pythagorean, meantone
or Scala files), draws it as it is typed with a workshop table of every
fret, saves designs to files, and exports the full-size template as a
tiled, calibrated PDF, SVG or DXF. Its interface is in French or English.]=])

set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")

include(CPack)
