# Warnings and sanitizers for every target: all of them link pinlark_config, so the
# flags go on it. Flags are chosen by compiler, so the tree configures with any of
# them; a compiler we have no flags for builds without extra warnings.

if(MSVC)
    # Also clang-cl, which takes MSVC's options.
    target_compile_options(pinlark_config INTERFACE /W4)
    if(PINLARK_WERROR)
        target_compile_options(pinlark_config INTERFACE /WX)
    endif()
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(pinlark_config INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                           -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual)
    if(PINLARK_WERROR)
        target_compile_options(pinlark_config INTERFACE -Werror)
    endif()
elseif(PINLARK_WERROR)
    message(WARNING "PINLARK_WERROR: no warning flags known for ${CMAKE_CXX_COMPILER_ID}")
endif()

# PINLARK_SANITIZE is a list of -fsanitize= names (address;undefined, thread, ...).
# Every finding stops the program, so a test that trips a sanitizer fails.
if(PINLARK_SANITIZE)
    if(MSVC OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "PINLARK_SANITIZE needs GCC or Clang, not ${CMAKE_CXX_COMPILER_ID}")
    endif()
    set(pinlark_sanitizers ${PINLARK_SANITIZE})
    # A float converted to an integer that cannot hold it is undefined behaviour;
    # GCC leaves this check out of "undefined" (Clang has it), so it is named.
    if("undefined" IN_LIST pinlark_sanitizers)
        list(APPEND pinlark_sanitizers float-cast-overflow)
    endif()
    list(JOIN pinlark_sanitizers "," pinlark_sanitizers)
    target_compile_options(pinlark_config INTERFACE -fsanitize=${pinlark_sanitizers}
                           -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(pinlark_config INTERFACE -fsanitize=${pinlark_sanitizers}
                        -fno-sanitize-recover=all)
endif()
