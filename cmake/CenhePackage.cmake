# `cpack -G DEB` in the build folder makes cenhe_<version>_<arch>.deb: the
# program, its launcher, the menu entry and the icons under /usr. Library
# dependencies are read off the binary by dpkg-shlibdeps; what it cannot see
# (the Kai face the labels print in, Qt's own zh_TW translations) is named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cenhe)
set(CPACK_PACKAGE_VENDOR "岑禾")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "點燈標籤列印 (lamp-lighting label sheets for temples)")
set(CPACK_PACKAGE_CONTACT "岑禾 <support@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-ukai, fonts-arphic-uming, qt6-translations-l10n")
include(CPack)
