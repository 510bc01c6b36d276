# dsl_library(NAME DIR [DEPS...]): a static library of every .cpp in DIR.
# Libraries of the system depend on each other in both directions (the
# wizard starts the install thread, the install thread moves the wizard on),
# so executables link them through dsl_link, which lets the linker rescan.
function(dsl_library name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$|/qt/")
  if(NOT sources)
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/platform ${PROJECT_SOURCE_DIR}/src)
  if(ARGN)
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# dsl_link(TARGET LIBS...): link the given libraries as one group.
function(dsl_link target)
  target_link_libraries(${target} PRIVATE "$<LINK_GROUP:RESCAN,${ARGN}>")
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/platform ${PROJECT_SOURCE_DIR}/src)
endfunction()

# dsl_test(NAME DIR LIBS...): one GoogleTest executable of every .cpp in DIR.
function(dsl_test name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_executable(${name} ${sources})
  dsl_link(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    DSL_SOURCE_DIR="${PROJECT_SOURCE_DIR}" DSL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PLATFORM_UI=headless")
endfunction()
