# Cross-building the Windows programs with Debian's mingw-w64 (posix threads), linked statically so
# that they need no DLL beyond Windows' own. Included by the toolchain file of each build, which
# sets GAPWISE_MINGW_ARCH first: i686 (the 32-bit programs) or x86_64 (the 64-bit ones).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${GAPWISE_MINGW_ARCH})
set(GAPWISE_MINGW_TRIPLE ${GAPWISE_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${GAPWISE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GAPWISE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GAPWISE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GAPWISE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests run under Wine, quietly, in prefixes of the programs' own width (WINEARCH, read when a
# prefix is made): a 32-bit prefix for the 32-bit programs, a 64-bit one for the 64-bit programs.
if(GAPWISE_MINGW_ARCH STREQUAL "x86_64")
  set(GAPWISE_WINEARCH win64)
else()
  set(GAPWISE_WINEARCH win32)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEARCH=${GAPWISE_WINEARCH} wine)
