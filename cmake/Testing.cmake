# Test programs: GoogleTest built from source with the same compiler, run by
# CTest. In a cross build every test program runs under Wine in a throwaway
# prefix inside the build folder (tools/wine-env.sh); nothing outside the build
# folder is touched.

set(SORVANE_GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
if(NOT EXISTS "${SORVANE_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    message(WARNING "GoogleTest not found: tests are not built")
    return()
  endif()
else()
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${SORVANE_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
  endif()
endif()

enable_testing()

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_HOST_WIN32)
  set(SORVANE_WINE_ENV "${CMAKE_SOURCE_DIR}/tools/wine-env.sh")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${SORVANE_WINE_ENV};${CMAKE_BINARY_DIR}")
  set(SORVANE_UNDER_WINE ON)
endif()

# Shared test support: test doubles and fixtures.
file(GLOB SORVANE_TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS tests/support/*.cpp)
add_library(sorvane_test_support STATIC ${SORVANE_TEST_SUPPORT_SOURCES})
target_include_directories(sorvane_test_support PUBLIC tests)
target_link_libraries(sorvane_test_support PUBLIC sorvane_gui sorvane_console GTest::gtest)
# Where the programs under test are built (tests run copies of them).
target_compile_definitions(sorvane_test_support PUBLIC SORVANE_BIN_DIR=L"$<TARGET_FILE_DIR:sorvane-cli>")

function(sorvane_test_program name)
  file(GLOB sources CONFIGURE_DEPENDS ${ARGN})
  add_executable(${name} ${sources} tests/support/main/TestMain.cpp)
  target_link_libraries(${name} PRIVATE sorvane_test_support)
  if(MINGW)
    target_link_options(${name} PRIVATE -municode)
  endif()
  add_dependencies(${name} sorvane-cli sorvane)
endfunction()

# unit: settings, engine, platform and console front end; creates no window.
sorvane_test_program(sorvane_unit_tests tests/unit/*.cpp)
# gui: windows driven in-process by control name (needs a display: Xvfb).
sorvane_test_program(sorvane_gui_tests tests/gui/*.cpp)

if(SORVANE_UNDER_WINE)
  add_test(NAME wine_prefix_setup COMMAND ${SORVANE_WINE_ENV} ${CMAKE_BINARY_DIR} --setup)
  add_test(NAME wine_prefix_cleanup COMMAND ${SORVANE_WINE_ENV} ${CMAKE_BINARY_DIR} --stop)
  set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine)
endif()

foreach(test_program sorvane_unit_tests sorvane_gui_tests)
  add_test(NAME ${test_program} COMMAND ${test_program} --gtest_brief=0)
  if(SORVANE_UNDER_WINE)
    set_tests_properties(${test_program} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON)
  endif()
endforeach()
