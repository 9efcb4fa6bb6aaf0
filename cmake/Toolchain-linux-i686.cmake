# Cross build for 32-bit x86 Linux (i686), linked statically so that
# qemu-i386 runs the programs and tests on a 64-bit kernel with nothing
# beside them. The floating-point options are those of every 32-bit x86
# build (SSE2 in double precision, no contraction), set in Rv17Build.cmake.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(RV17_LINUX_TRIPLE i686-linux-gnu)
find_program(RV17_I686_CXX NAMES ${RV17_LINUX_TRIPLE}-g++ ${RV17_LINUX_TRIPLE}-g++-12 REQUIRED)
find_program(RV17_I686_CC NAMES ${RV17_LINUX_TRIPLE}-gcc ${RV17_LINUX_TRIPLE}-gcc-12 REQUIRED)
set(CMAKE_CXX_COMPILER ${RV17_I686_CXX})
set(CMAKE_C_COMPILER ${RV17_I686_CC})
set(CMAKE_FIND_ROOT_PATH /usr/${RV17_LINUX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The host's GoogleTest is 64-bit; the tests build it from its sources.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
find_program(RV17_QEMU_I386 NAMES qemu-i386 qemu-i386-static)
if(RV17_QEMU_I386)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RV17_QEMU_I386})
endif()
