# cenhe_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable run by CTest offscreen, in a fixed locale so that
# number and text formatting is the same on every machine.
function(cenhe_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8")
endfunction()
