# The Debian package, made by `cpack -G DEB` in the build tree: everything the install rules put
# under the prefix, with the libraries it needs found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lunda)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for LUNDA controllers")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUNDA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUNDA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: Qt's X11 platform plugin, without which
# the window cannot open. libftdi1-2 drives the USB adapters (dpkg-shlibdeps finds it too).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libftdi1-2")
# Tools that read the waveform files.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pulseview, sigrok-cli")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "LUNDA controllers have four sensor inputs with trigger thresholds and three
channels of timed delays; the firmware variant loaded into one, its algorithm,
fixes what it does. lunda lists the algorithms of a data folder, edits their
parameters and writes the patched firmware image into a controller through the
data register of a parallel port (ppdev) or a USB adapter on an FTDI chip
(FT232H, FT2232H, FT4232H) in bit-bang mode. A simulated controller and
waveform recordings let you try a write without the hardware.
.
lunda-cli lists, patches, writes and decodes algorithms in scripts. The user
interface and the help are in Russian.")
include(CPack)
