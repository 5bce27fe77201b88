# libFuzzer targets, one per fuzz/*_fuzz.cpp. They need clang and a build whose code is compiled
# with coverage hooks and sanitizers, so they get their own build folder:
#   CC=clang CXX=clang++ cmake -B build-fuzz -DCRENZEL_BUILD_FUZZ=ON \
#       -DCRENZEL_SANITIZE=address,undefined,fuzzer-no-link -DCRENZEL_BUILD_PLUGIN=OFF ...
# (scripts/fuzz.sh does this.)
option(CRENZEL_BUILD_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(CRENZEL_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "CRENZEL_BUILD_FUZZ needs clang (libFuzzer)")
    endif()
    file(GLOB CRENZEL_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
    foreach(_src IN LISTS CRENZEL_FUZZ_SOURCES)
        get_filename_component(_name ${_src} NAME_WE)
        add_executable(crenzel_${_name} ${_src})
        target_include_directories(crenzel_${_name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/fuzz)
        target_link_libraries(crenzel_${_name} PRIVATE crenzel_core crenzel_warnings)
        target_link_options(crenzel_${_name} PRIVATE -fsanitize=fuzzer)
    endforeach()
endif()
