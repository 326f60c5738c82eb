# The Debian package, built by `cpack -G DEB` in a build folder; it goes
# under /usr, the default prefix (packaging/check-package.sh does it all).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trimel)
set(CPACK_PACKAGE_VENDOR "The Trimel developers")
set(CPACK_PACKAGE_CONTACT "The Trimel developers <trimel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "back-test of lottery wheels on past draws")
set(CPACK_PACKAGE_DESCRIPTION [=[
Trimel (in Russian, Тримель) is a desktop program for players of a number
lottery in which K numbers are drawn from 1 to N. It splits the number range
into two parts, covers each with a wheel (a covering system of tickets),
shows how that play would have fared on every draw of a history file and
proposes the tickets for the next draw. No program can predict a lottery
draw.
.
A wheel library and an example draw history come with the program.
Its windows and its user guide are in Russian.]=])
# The paths written into the menu entry are those of the configured prefix.
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries' packages come from dpkg-shlibdeps; the windows'
# fonts stand in for the Arial they are drawn for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Without Qt's translations its file dialog and buttons stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
