// The price list, through the reader the price-list window calls at every load: a file is a
// list of at most 100 entries, or it is refused with a reason; nothing in between.
#include "comune.h"

#include "help/listino.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    QString errore = QStringLiteral("-");
    const auto listino = guida::leggiListino(fuzz::byte(dati, quanti), &errore);
    if (!listino) {
        VERIFICA(!errore.isEmpty() && errore != QStringLiteral("-"));
        return 0;
    }
    VERIFICA(listino->prodotti.size() <= guida::massimoProdotti);
    // A reason only when the file announced more than the list holds.
    VERIFICA(errore.isEmpty() || listino->prodotti.size() == guida::massimoProdotti);
    return 0;
}
