# One way to declare a library and one way to declare a test, so every layer is built alike.
include(GoogleTest)

# lx_add_library(NAME SOURCES ... [DEPS ...])
function(lx_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# lx_add_test(NAME SOURCES ... [DEPS ...]): a GoogleTest program whose cases ctest sees one by one.
function(lx_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    find_package(GTest REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "LX_TEST_TMP=${CMAKE_CURRENT_BINARY_DIR}/tmp")
endfunction()

# lx_add_qtest(NAME SOURCES ... [DEPS ...]): a QtTest program of the desktop, run on the offscreen
# platform with its own settings and runtime folders, so it never touches the user's. Its test
# classes register themselves (tests/gui/GuiTestRegistry.h); one main runs them.
function(lx_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
    add_executable(${name} ${PROJECT_SOURCE_DIR}/tests/gui/GuiTestMain.cpp ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Test Qt6::Widgets)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    # Its own temporary folder also keeps its single-instance socket apart from a workstation
    # the developer has running.
    set(scratch ${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
    foreach(dir tmp run config)
        file(MAKE_DIRECTORY ${scratch}/${dir})
    endforeach()
    file(CHMOD ${scratch}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;TMPDIR=${scratch}/tmp;LX_TEST_TMP=${scratch}/tmp;XDG_CONFIG_HOME=${scratch}/config;XDG_RUNTIME_DIR=${scratch}/run;HOME=${scratch}")
endfunction()
