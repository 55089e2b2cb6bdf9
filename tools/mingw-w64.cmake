# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers. The posix-threads flavour:
# the win32 one has no std::thread or std::mutex, which Qt and this program both use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Headers, libraries and CMake packages come from the Windows side only, so that nothing of the
# Linux system (its Qt, its poppler) is picked up by mistake; programs run here, so they are the
# build machine's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Qt for Windows that tools/windows-qt made, named by -DVREL_WINDOWS_QT=<the folder it
# printed>. Its build tools (moc, uic, rcc) are the Linux Qt's of the same version in /usr.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VREL_WINDOWS_QT)
if(VREL_WINDOWS_QT)
  # The prefix path is Qt's lib/cmake, not the root itself: CMake joins a prefix equal to a root
  # path onto that root instead of taking it as is.
  list(PREPEND CMAKE_FIND_ROOT_PATH "${VREL_WINDOWS_QT}")
  list(PREPEND CMAKE_PREFIX_PATH "${VREL_WINDOWS_QT}/lib/cmake")
  set(QT_HOST_PATH /usr CACHE PATH "")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
endif()

# Its programs run on this machine under Wine, in a prefix of the project's own (tools/wine):
# CTest starts the Windows tests through it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine)
