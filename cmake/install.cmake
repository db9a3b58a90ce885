# Installing Ventorel: both programs in bin/, the data files in share/ventorel/, the
# engine's static libraries with their headers, a CMake package (find_package(Ventorel)
# gives Ventorel::engine) and a pkg-config file; the desktop entry, icon, AppStream
# metainfo, man page and bash completion; and the Debian package (`make package`).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VENTOREL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Ventorel)
set(VENTOREL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/ventorel)

# The engine: the layers' static libraries, exported as Ventorel::<layer> and the
# whole as Ventorel::engine.
set(layers data astro calendar platform output classic app)
foreach(layer ${layers})
  set_target_properties(ventorel_${layer} PROPERTIES EXPORT_NAME ${layer})
  list(APPEND layer_targets ventorel_${layer})
endforeach()
set_target_properties(ventorel_engine PROPERTIES EXPORT_NAME engine)
install(TARGETS ${layer_targets} ventorel_engine EXPORT VentorelTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT VentorelTargets NAMESPACE Ventorel:: DESTINATION ${VENTOREL_CMAKE_DIR})

# The public headers go to include/ventorel/, and the engine's own headers that they
# include, directly or through others, to include/ventorel/engine/ (which the
# package puts on the include path), so that `#include <ventorel/calendar.h>` is
# all a program needs.
set(public_headers calendar.h date.h)
set(engine_headers)
set(pending)
foreach(header ${public_headers})
  list(APPEND pending ${PROJECT_SOURCE_DIR}/include/ventorel/${header})
endforeach()
# The renderers of a day, which the example uses.
list(APPEND pending ${PROJECT_SOURCE_DIR}/src/output/day_report.h ${PROJECT_SOURCE_DIR}/src/output/japanese_date_text.h
  ${PROJECT_SOURCE_DIR}/src/data/reference_data.h)
set(seen)
while(pending)
  list(POP_FRONT pending file)
  if(file IN_LIST seen)
    continue()
  endif()
  list(APPEND seen ${file})
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/src ${file})
  if(NOT relative MATCHES "^\\.\\.")
    list(APPEND engine_headers ${relative})
  endif()
  file(STRINGS ${file} includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" name "${line}")
    if(EXISTS ${PROJECT_SOURCE_DIR}/src/${name})
      list(APPEND pending ${PROJECT_SOURCE_DIR}/src/${name})
    elseif(EXISTS ${PROJECT_SOURCE_DIR}/include/${name})
      list(APPEND pending ${PROJECT_SOURCE_DIR}/include/${name})
    endif()
  endforeach()
endwhile()
foreach(header ${public_headers})
  install(FILES include/ventorel/${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ventorel)
endforeach()
foreach(relative ${engine_headers})
  get_filename_component(folder ${relative} DIRECTORY)
  install(FILES src/${relative} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ventorel/engine/${folder})
endforeach()

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VentorelConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VentorelConfig.cmake INSTALL_DESTINATION ${VENTOREL_CMAKE_DIR}
  PATH_VARS VENTOREL_DATA_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VentorelConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VentorelConfig.cmake ${PROJECT_BINARY_DIR}/VentorelConfigVersion.cmake
  DESTINATION ${VENTOREL_CMAKE_DIR})

# pkg-config: the libraries from the top layer down, then ERFA. The prefix is found
# from the file's own place, so that an installed tree can be moved.
file(RELATIVE_PATH VENTOREL_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" VENTOREL_PC_TO_PREFIX "${VENTOREL_PC_TO_PREFIX}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/ventorel.pc.in ${PROJECT_BINARY_DIR}/ventorel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/ventorel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The programs and what they read.
install(TARGETS ventorel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET ventorel)
  install(TARGETS ventorel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${VENTOREL_DATA_FILES} DESTINATION ${VENTOREL_DATA_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME data-README.md)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The desktop's view of the program.
set(desktop ${PROJECT_SOURCE_DIR}/data/desktop)
if(EXISTS ${desktop})
  install(FILES ${desktop}/org.ventorel.Ventorel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop}/ventorel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${desktop}/org.ventorel.Ventorel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${desktop}/ventorel-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${desktop}/ventorel-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME ventorel-cli)
endif()

# The Debian package: `make package` (cpack -G DEB).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ventorel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ventorel developers <ventorel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese and Western perpetual calendar")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Japanese and Western perpetual calendar, with a desktop window and a command line.\n The calendar of any year and the record of any day: Gregorian and Julian dates,\n the Japanese era date, the old lunisolar calendar, the 24 solar terms, holidays,\n 六曜, 干支 and the other 暦注, as a window, HTML, CSV, iCalendar or JSON.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link to dynamically (Qt 6, ERFA, the C++ runtime),
# found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, xdg-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
