# How every folder of the project builds: one static library per folder,
# the tools and the tests each added the same way. Included by the
# program's build and by the fuzz targets' own (fuzz/).
get_filename_component(TRIMEL_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# The stricter warnings the project's own code is written for; libraries
# from the system are included as system headers and stay out of them.
set(TRIMEL_STRICT_WARNINGS -Wconversion -Wsign-conversion -Wshadow)

# trimel_add_library(<target> <folder> <sources and headers>...)
# A static library of one folder. Its users include its headers as
# "<folder>/X.h", and only those: a target's include path holds the folder
# of each target it links and nothing else, so an include that reaches a
# layer it does not link fails to build.
function(trimel_add_library target folder)
  add_library(${target} STATIC ${ARGN})
  set(exported ${CMAKE_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${exported})
  file(CREATE_LINK ${TRIMEL_ROOT}/${folder} ${exported}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${exported})
  target_compile_options(${target} PRIVATE ${TRIMEL_STRICT_WARNINGS})
endfunction()

# trimel_add_tool(<name> <library>): the command-line program <name> from
# main.cpp beside it, on the folder's library, installed to the bin folder.
function(trimel_add_tool name library)
  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${library})
  target_compile_options(${name} PRIVATE ${TRIMEL_STRICT_WARNINGS})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# A Qt Test run that skips a case is reported by CTest as skipped, never as
# passed (and a run that also fails stays failed).
set(TRIMEL_QTEST_SKIPPED "Totals: [0-9]+ passed, 0 failed, [1-9][0-9]* skipped")

# trimel_add_test(<target> GTEST|QTEST [NAME <test>] SOURCES <files>... LIBRARIES <targets>...)
# A test executable. A GoogleTest one registers every case with CTest; a
# Qt Test one is the CTest test <test> (trimel_qt_test() adds more runs),
# run without a screen.
function(trimel_add_test target kind)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "NAME" "SOURCES;LIBRARIES")
  add_executable(${target} ${arg_SOURCES})
  target_link_libraries(${target} PRIVATE ${arg_LIBRARIES})
  target_include_directories(${target} PRIVATE ${TRIMEL_ROOT}/tests)
  if(kind STREQUAL "GTEST")
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  else()
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE Qt6::Test)
    if(NOT arg_NAME)
      set(arg_NAME ${target})
    endif()
    trimel_qt_test(${arg_NAME} COMMAND ${target})
  endif()
endfunction()

# trimel_qt_test(<name> COMMAND <command>... [ENVIRONMENT <VAR=value>...])
# A run of a Qt Test executable, without a screen unless ENVIRONMENT says
# otherwise.
function(trimel_qt_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMMAND;ENVIRONMENT")
  add_test(NAME ${name} COMMAND ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${arg_ENVIRONMENT}"
    SKIP_REGULAR_EXPRESSION "${TRIMEL_QTEST_SKIPPED}")
endfunction()
