# Shared build settings: one warnings target, floating-point settings that keep
# Linux and Windows results identical, and one function that registers a test.
# Options are given only to the compilers that take them: GCC and Clang share a
# command line, cl and clang-cl (MSVC) have their own.
if(MSVC)
  set(RV17_COMPILER_FRONT_END MSVC)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(RV17_COMPILER_FRONT_END GNU)
else()
  set(RV17_COMPILER_FRONT_END OTHER)
  message(WARNING "${CMAKE_CXX_COMPILER_ID}: no warning or floating-point options known for this compiler")
endif()

add_library(rv17_warnings INTERFACE)
if(RV17_COMPILER_FRONT_END STREQUAL "GNU")
  target_compile_options(rv17_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    $<$<BOOL:${RV17_WERROR}>:-Werror>
    # GCC 12 reports overlapping copies inside std::string at -O3 that cannot happen
    # (a known false positive of that version); later versions are checked in full.
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
elseif(RV17_COMPILER_FRONT_END STREQUAL "MSVC")
  target_compile_options(rv17_warnings INTERFACE /W4 $<$<BOOL:${RV17_WERROR}>:/WX>)
endif()

# Geometry decides which crossings a hatch line finds; contraction into fused
# multiply-add or fast-math would change results between compilers. Clang
# contracts by default, so it is told too; cl does not contract under
# /fp:precise as long as /fp:contract is not given.
if(RV17_COMPILER_FRONT_END STREQUAL "GNU")
  add_compile_options(-ffp-contract=off -fno-fast-math)
elseif(RV17_COMPILER_FRONT_END STREQUAL "MSVC")
  add_compile_options(/fp:precise)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(/clang:-ffp-contract=off)
  endif()
endif()

# x87 extended precision would round differently from the 64-bit build, so a
# 32-bit x86 build computes in SSE2 registers (cl's default there).
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "^([iI].86|x86|X86|x86_64|AMD64|amd64)$")
  if(RV17_COMPILER_FRONT_END STREQUAL "GNU")
    add_compile_options(-msse2 -mfpmath=sse)
  elseif(RV17_COMPILER_FRONT_END STREQUAL "MSVC")
    add_compile_options(/arch:SSE2)
  endif()
endif()

# A 32-bit Linux build lists folders and looks at files with 64-bit inode
# numbers and sizes; without this, readdir and stat fail with EOVERFLOW on a
# file system whose inode numbers do not fit 32 bits.
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  add_compile_definitions(_FILE_OFFSET_BITS=64)
endif()

# Self-contained executables: nothing beside rv17.exe. MinGW GCC would
# otherwise link its own runtime DLLs.
if(MINGW AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Test data folders are passed as compile definitions so no test depends on
# the working directory. Under Wine a Linux path is reached through drive Z:.
set(RV17_SOURCE_ROOT_FOR_TESTS "${PROJECT_SOURCE_DIR}")
if(CMAKE_CROSSCOMPILING AND WIN32)
  set(RV17_SOURCE_ROOT_FOR_TESTS "Z:${PROJECT_SOURCE_DIR}")
endif()

# Tests see neither the user's locale nor the user's Wine prefix. Wine needs a UTF-8
# locale to give files Japanese names on the Linux side.
set(RV17_TEST_ENVIRONMENT "LC_ALL=C.UTF-8;WINEDEBUG=-all;WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix")

# rv17_add_test(NAME name SOURCES ... LIBS ...)
function(rv17_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main rv17_warnings)
  target_compile_definitions(${T_NAME} PRIVATE
    RV17_TEST_DATA_DIR="${RV17_SOURCE_ROOT_FOR_TESTS}/tests/data"
    RV17_EXAMPLES_DIR="${RV17_SOURCE_ROOT_FOR_TESTS}/examples")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${RV17_TEST_ENVIRONMENT}")
endfunction()
