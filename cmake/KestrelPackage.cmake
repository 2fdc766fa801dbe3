# The Debian package, made by CPack from what `cmake --install` puts in place: one version,
# the project's, and no second description of the files to keep in step with CMake's.
# tools/package builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KESTREL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "file photos and clips from a memory card into dated folders")
# The synopsis comes first from the summary; this is the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "kestrel copies the photographs and video clips of a camera memory card, or
of any folder, into a tree of dated folders, with JPEG photos and MOV clips
in one destination and raw files (RAF, CR2, NEF, DNG, TIFF) in another.
Sources are only read, and a file already at its destination is never
replaced.
.
This package holds the window, which offers to import a card as it is
inserted, and the command kestrel-import, which runs the same import.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/kestrel-photo/kestrel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps works out the libraries' packages and their versions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (its dialogs' buttons) in the languages kestrel is translated into.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Folders as Debian has them whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
