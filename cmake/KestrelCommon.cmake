# Compile settings shared by every kestrel target: link kestrel_common_cfg
# instead of touching global CMAKE_CXX_FLAGS.
add_library(kestrel_common_cfg INTERFACE)

target_compile_features(kestrel_common_cfg INTERFACE cxx_std_20)
target_compile_options(kestrel_common_cfg INTERFACE -Wall -Wextra -Wpedantic)
# GCC 12 at -O3 warns of overlapping copies inside libstdc++'s own string concatenation
# ("a" + std::to_string(n)), which cannot happen (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(kestrel_common_cfg INTERFACE -Wno-restrict)
endif()
target_compile_definitions(kestrel_common_cfg INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    _FILE_OFFSET_BITS=64)

if(KESTREL_WERROR)
    target_compile_options(kestrel_common_cfg INTERFACE -Werror)
endif()

if(KESTREL_SANITIZE)
    set(_kestrel_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_compile_options(kestrel_common_cfg INTERFACE ${_kestrel_san})
    target_link_options(kestrel_common_cfg INTERFACE ${_kestrel_san})
endif()

# Registers one GoogleTest executable with CTest. With LOCALES its tests may run under the
# German, French and Turkish glibc locales that the compile_locales test makes.
function(kestrel_add_gtest name)
    cmake_parse_arguments(ARG "LOCALES" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE kestrel_common_cfg GTest::gtest kestrel_test_main
                          kestrel_translations ${ARG_LIBS})
    set(environment "QT_QPA_PLATFORM=offscreen;KESTREL_BUILD_DIR=${CMAKE_BINARY_DIR}")
    set(fixtures "")
    if(ARG_LOCALES)
        list(APPEND environment "LOCPATH=${KESTREL_LOCPATH}")
        set(fixtures FIXTURES_REQUIRED locales)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS "${ARG_LABELS}" ${fixtures})
    # The discovered tests' environment, set after them: a list passed through PROPERTIES
    # would reach them as one variable and stray properties.
    set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
    file(WRITE ${include_file}
        "set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${environment}\")\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
