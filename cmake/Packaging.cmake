# Installing and packaging: the desktop files go with the window program, and
# CPack turns an install into a Debian package, lockerbook_<version>_<arch>.deb.

if(LB_BUILD_GUI)
  add_subdirectory(${PROJECT_SOURCE_DIR}/packaging ${PROJECT_BINARY_DIR}/packaging)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lockerbook)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lockerbook developers")
set(CPACK_PACKAGE_CONTACT "Lockerbook developers <support@lockerbook.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "password manager for one person")
# Debian wants the long description in lines of under 80 characters; CPack puts
# the summary in front of it.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Lockerbook keeps a list of accounts, each with an account name, a user\n"
  "name, a password, a URL and notes, in any language, in one account file\n"
  "sealed with a master password (Argon2id and XChaCha20-Poly1305). It finds,\n"
  "sorts and edits the list with undo, copies passwords to the clipboard and\n"
  "clears it again, makes strong passwords and passphrases, locks when the\n"
  "person steps away, merges the copies a sync tool brings back, imports the\n"
  "exports of other password managers, exports the list as HTML, text or\n"
  "CSV, prints it, and shrinks to a compact list that can stay on top.\n"
  "\n"
  "The lockerbook-cli companion works with account files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://lockerbook.example.org/")
# dpkg-shlibdeps finds the Qt libraries the programs link; the plugins Qt loads
# at run time (the window-system platform and the SVG icon engine) it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Their file triggers register the file type, the launcher and the icon on install.
# The Noto faces give every script and emoji a glyph where the desktop's own font has none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "shared-mime-info, desktop-file-utils, hicolor-icon-theme, fonts-noto-core, fonts-noto-cjk, fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
