# Builds with sanitizers, each in a build folder of its own (the Makefile's
# test-asan and fuzz targets); the ordinary build has none of this.
#   VELMOR_SANITIZZATORI  AddressSanitizer and UndefinedBehaviorSanitizer on the
#                         whole program and test suite (any compiler that has them)
#   VELMOR_FUZZ           the same, plus libFuzzer coverage, for the fuzz targets
#                         of cmake/fuzz.cmake (clang only)
option(VELMOR_SANITIZZATORI "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELMOR_FUZZ "Build the fuzz targets of the readers with libFuzzer (clang)" OFF)

if(VELMOR_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMOR_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(VELMOR_SANITIZZATORI OR VELMOR_FUZZ)
    # Undefined behaviour stops the run instead of printing a line and going on.
    # GCC leaves a number too large for its integer out of "undefined": named here.
    set(VELMOR_SANITIZZATORI_ELENCO address,undefined,float-cast-overflow)
    add_compile_options(-fsanitize=${VELMOR_SANITIZZATORI_ELENCO} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${VELMOR_SANITIZZATORI_ELENCO})
endif()
if(VELMOR_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
