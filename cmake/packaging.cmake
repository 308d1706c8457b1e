# Installation and the Debian package.
#
#   cmake --install build/release --prefix /usr/local
#   cd build/release && cpack -G DEB
#
# The programs go to bin/, their manual pages to share/man/man1/. A program
# whose target is not part of this build is left out, with its page.

include(GNUInstallDirs)

set(velorin_programs conecal quadcal rectcal rectfree ed50conv)
foreach(program IN LISTS velorin_programs)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/man/${program}.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

# The viewer of coefficient blocks, when it is part of the build.
if(TARGET blockview)
  install(TARGETS blockview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(EXISTS ${PROJECT_SOURCE_DIR}/blockview/blockview.1)
    install(FILES ${PROJECT_SOURCE_DIR}/blockview/blockview.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endif()

set(CPACK_PACKAGE_NAME velorin-calibrators)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velorin map calibrators")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "console programs that calibrate scanned map images for Velorin")
set(CPACK_PACKAGE_DESCRIPTION
    "Four calibrators (conecal, quadcal, rectcal, rectfree) turn calibration points
read off a scanned map into the coefficient block of a Velorin map definition;
ed50conv converts ED50 positions to WGS84.")
set(CPACK_PACKAGE_CONTACT "Velorin calibrator developers <velorin-calibrators@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies (libc, libstdc++, libgcc) as the built programs need them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
