# `make package`: a Debian package of what cmake/install.cmake installs.
set(TAPRIKO_MAINTAINER "The Tapriko++ developers <developers@tapriko.org>" CACHE STRING "The package's maintainer")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tapriko)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TAPRIKO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rapid-fire meter shaped like a hand-held counting toy")
set(CPACK_PACKAGE_DESCRIPTION "A small always-on-top window with a game-pad face. Press START, then hammer
A and B for ten seconds: the device counts every press, keeps the best record
and unlocks more modes as the player gets faster. Around it: a clock with an
alarm, a stopwatch and a countdown, six skins, a back face and two view sizes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAPRIKO_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
# Depends: the libraries the program links, from dpkg-shlibdeps; they include what it loads at run time
# from Qt's own packages (the SVG image and icon plugins in libqt6svg6, the X11 platform plugin in
# libqt6gui6). Added here is what no linked library names: the SQLite driver of Qt SQL and a font for the
# Japanese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
include(CPack)
