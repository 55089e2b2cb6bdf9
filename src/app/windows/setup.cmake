# The Windows Installer package, vrel-fileprint-<version>-x64.msi beside the program: what
# `cmake --install` lays out in bin/, made into a package by Debian's wixl (makeSetup.cmake).
find_program(WIXL wixl REQUIRED)
find_program(WIXL_HEAT wixl-heat REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)
set(VREL_SETUP ${PROJECT_BINARY_DIR}/vrel-fileprint-${PROJECT_VERSION}-x64.msi)
add_custom_command(
  OUTPUT ${VREL_SETUP}
  COMMAND ${CMAKE_COMMAND} -DBUILD=${PROJECT_BINARY_DIR} -DWXS=${CMAKE_CURRENT_SOURCE_DIR}/windows/vrel-fileprint.wxs
          -DICON=${VREL_WINDOWS_ICON} -DVERSION=${PROJECT_VERSION} -DMSI=${VREL_SETUP} -DWIXL=${WIXL}
          -DWIXL_HEAT=${WIXL_HEAT} -DMSIBUILD=${MSIBUILD} -DSTRIP=${CMAKE_STRIP} -P ${CMAKE_CURRENT_SOURCE_DIR}/windows/makeSetup.cmake
  DEPENDS vrel-fileprint ${deployed} ${PROJECT_BINARY_DIR}/VREL02.vrl ${VREL_WINDOWS_ICON}
          windows/vrel-fileprint.wxs windows/makeSetup.cmake
  COMMENT "Making the Windows Installer package ${VREL_SETUP}"
  VERBATIM)
add_custom_target(vrel_windows_setup ALL DEPENDS ${VREL_SETUP})
add_dependencies(vrel_windows_setup vrel_readme_data vrel_windows_icon)
