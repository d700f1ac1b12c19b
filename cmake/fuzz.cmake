# Fuzz targets of the readers of outside input and of typing into the windows. A
# target `nome` is the file tests/fuzz/nome.cpp (defining LLVMFuzzerTestOneInput)
# with its seed corpus in tests/fuzz/corpus/nome/. Adding one is one line below.
#   VELMOR_FUZZ on:  fuzz_nome, a libFuzzer executable (the target fuzz_tutti builds
#                    them all; scripts/fuzz.sh runs them).
#   VELMOR_FUZZ off: riproduci_nome, the same entry point fed with every file of the
#                    corpus, run by ctest as fuzz_nome: seeds and the inputs that once
#                    made a reader fail stay tests of every build.
set(VELMOR_FUZZ_CARTELLA ${CMAKE_SOURCE_DIR}/tests/fuzz)

add_library(velmor_fuzz_comune STATIC ${VELMOR_FUZZ_CARTELLA}/comune.cpp ${VELMOR_FUZZ_CARTELLA}/comune.h
            ${CMAKE_SOURCE_DIR}/tests/supporto/doppi.cpp)
target_include_directories(velmor_fuzz_comune PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(velmor_fuzz_comune PUBLIC "$<LINK_LIBRARY:WHOLE_ARCHIVE,velmorlib>" GTest::gtest)
add_custom_target(fuzz_tutti)

function(velmor_fuzz nome)
    set(sorgente ${VELMOR_FUZZ_CARTELLA}/${nome}.cpp)
    if(VELMOR_FUZZ)
        add_executable(fuzz_${nome} ${sorgente})
        target_link_options(fuzz_${nome} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(fuzz_${nome} PRIVATE velmor_fuzz_comune)
        add_dependencies(fuzz_tutti fuzz_${nome})
    else()
        add_executable(riproduci_${nome} ${sorgente} ${VELMOR_FUZZ_CARTELLA}/riproduci.cpp)
        target_link_libraries(riproduci_${nome} PRIVATE velmor_fuzz_comune)
        add_test(NAME fuzz_${nome} COMMAND riproduci_${nome} ${VELMOR_FUZZ_CARTELLA}/corpus/${nome})
        set_tests_properties(fuzz_${nome} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
                             TIMEOUT ${VELMOR_TEMPO_PROVA})
    endif()
endfunction()

velmor_fuzz(dati)          # network data file
velmor_fuzz(completo)      # complete file
velmor_fuzz(verifica)      # seismic data file
velmor_fuzz(suggerimenti)  # tips file
velmor_fuzz(pluviometria)  # rainfall data file
velmor_fuzz(listino)       # price list
velmor_fuzz(caselle)       # typing into the network grid and the seismic fields
