// The seismic data file, as the pipe window opens it.
#include "comune.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    fuzz::provaArchivio(archivi::Tipo::verifica, fuzz::byte(dati, quanti));
    return 0;
}
