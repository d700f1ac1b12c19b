// The complete file (network, pipes, title page), as the network window opens it.
#include "comune.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    fuzz::provaArchivio(archivi::Tipo::completo, fuzz::byte(dati, quanti));
    return 0;
}
