# quorvis_add_test(<name> SOURCES <files...> LIBS <libraries...>)
# One Qt Test executable, registered with CTest, run offscreen with its own
# program folder so that no test touches the user's settings or data.
function(quorvis_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE quorvis_test_support ${ARG_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;QUORVIS_DATA_DIR=${QUORVIS_DATA_DIR}")
  add_dependencies(${name} quorvis_data)
endfunction()
