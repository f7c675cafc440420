# Compiler flags of a fuzzing build (PISTORA_BUILD_FUZZ=ON): every library of the project is
# built with libFuzzer's coverage instrumentation and the address and undefined-behaviour
# sanitizers, so that a fault anywhere below a reader is caught. Clang only.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "PISTORA_BUILD_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer -g -Wno-unknown-warning-option)
add_link_options(-fsanitize=address,undefined)
