# Installs a build into a fresh prefix and runs the installed tool there:
# cmake -DBUILD_DIR=... -DCONFIG=... -DPREFIX=... -DTOOL=bin/rv17-hatch
#       -DEXPECTED="rv17-hatch 1.0.0" -P InstallCheck.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --config "${CONFIG}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${log}")
endif()
if(NOT EXISTS "${PREFIX}/${TOOL}")
  message(FATAL_ERROR "cmake --install put no ${TOOL} into the prefix:\n${log}")
endif()

# Run from the prefix's root, so nothing of the build folder is at hand.
execute_process(
  COMMAND "${PREFIX}/${TOOL}" --version
  WORKING_DIRECTORY "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output STREQUAL "${EXPECTED}\n")
  message(FATAL_ERROR "installed ${TOOL} --version gave (${result}) '${output}' '${errors}', "
    "expected '${EXPECTED}'")
endif()
file(REMOVE_RECURSE "${PREFIX}")
