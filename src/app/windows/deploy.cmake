# What windeployqt would put beside the program, put there by the build: the Qt libraries and
# plugins it loads, the compiler's runtime libraries, Qt's Japanese strings, and a qt.conf that
# tells Qt to look for its plugins and strings beside the program. The build tree gets the same
# layout as the installed program, so the tests beside it run as the installed program does.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_root ${qt_bin} DIRECTORY)
set(qt_dlls)
foreach(module Core Gui Widgets PrintSupport Network)
  list(APPEND qt_dlls ${qt_bin}/Qt6${module}.dll)
endforeach()
# The window on the Windows platform in its own style; tests draw offscreen.
set(qt_plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll)
set(runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE ${found} OR NOT EXISTS ${found})
    message(FATAL_ERROR "The compiler does not know where its runtime library ${dll} is")
  endif()
  get_filename_component(found ${found} REALPATH)
  list(APPEND runtime_dlls ${found})
endforeach()
# Qt's Japanese strings are the same file on every system: Debian's, of the same Qt version.
find_file(QT_JAPANESE qtbase_ja.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(beside ${PROJECT_BINARY_DIR})
set(deployed)
# The tests lie beside the program too; only they load Qt Test.
foreach(file ${qt_dlls} ${runtime_dlls} ${qt_bin}/Qt6Test.dll)
  get_filename_component(name ${file} NAME)
  list(APPEND deployed ${beside}/${name})
  add_custom_command(OUTPUT ${beside}/${name} COMMAND ${CMAKE_COMMAND} -E copy ${file} ${beside}/${name}
                     DEPENDS ${file} VERBATIM)
endforeach()
foreach(plugin ${qt_plugins} platforms/qoffscreen.dll)
  list(APPEND deployed ${beside}/plugins/${plugin})
  add_custom_command(OUTPUT ${beside}/plugins/${plugin}
                     COMMAND ${CMAKE_COMMAND} -E copy ${qt_root}/plugins/${plugin} ${beside}/plugins/${plugin}
                     DEPENDS ${qt_root}/plugins/${plugin} VERBATIM)
endforeach()
add_custom_command(OUTPUT ${beside}/translations/qtbase_ja.qm
                   COMMAND ${CMAKE_COMMAND} -E copy ${QT_JAPANESE} ${beside}/translations/qtbase_ja.qm
                   DEPENDS ${QT_JAPANESE} VERBATIM)
# Paths in qt.conf are taken from the folder it lies in.
file(WRITE ${beside}/qt.conf "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n")
add_custom_target(vrel_windows_deploy ALL DEPENDS ${deployed} ${beside}/translations/qtbase_ja.qm)
add_dependencies(vrel-fileprint vrel_windows_deploy)

install(FILES ${qt_dlls} ${runtime_dlls} ${beside}/qt.conf DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(plugin ${qt_plugins})
  get_filename_component(folder ${plugin} DIRECTORY)
  install(FILES ${qt_root}/plugins/${plugin} DESTINATION ${CMAKE_INSTALL_BINDIR}/plugins/${folder})
endforeach()
install(FILES ${QT_JAPANESE} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
