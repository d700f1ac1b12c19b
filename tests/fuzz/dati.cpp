// The network data file, as the title page and the network window open it.
#include "comune.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    fuzz::provaArchivio(archivi::Tipo::dati, fuzz::byte(dati, quanti));
    return 0;
}
