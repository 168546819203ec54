# pinlark_add_test(NAME SOURCES file... LIBS target... [WEBENGINE])
#
# One Qt Test executable per unit, registered with CTest under its own name.
# Widget tests run on the offscreen platform; web view tests need a real X
# server, so they run under xvfb-run with the Chromium sandbox off (we run as root
# in CI).
function(pinlark_add_test name)
    cmake_parse_arguments(T "WEBENGINE" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE pinlark_config Qt6::Test ${T_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(T_WEBENGINE)
        add_test(NAME ${name} COMMAND xvfb-run -a -s "-screen 0 1280x800x24" $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"
            TIMEOUT 180)
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
    endif()
endfunction()
