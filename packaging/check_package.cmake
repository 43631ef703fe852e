# Builds the Debian package into a scratch folder and has lintian check it.
# Errors and warnings fail; info and pedantic tags are shown but pass.
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is not installed (scripts/install-deps.sh installs it)")
endif()
set(folder ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${folder})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${folder}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${result}")
endif()
file(GLOB package ${folder}/*.deb)
list(LENGTH package count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages: ${package}")
endif()
execute_process(COMMAND ${LINTIAN} --display-info --pedantic --fail-on error,warning ${package}
                RESULT_VARIABLE result)
file(REMOVE_RECURSE ${folder})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian found errors or warnings in the package")
endif()
