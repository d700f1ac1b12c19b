#include "help/listino.h"

#include "frame/record.h"

#include <cmath>

namespace guida {

namespace {

// The file's fields one after the other, across its lines.
class Campi {
public:
    explicit Campi(const QByteArray& contenuto) : lettore(contenuto) {}

    // The next field; nothing at the end of the file or at a malformed line (see errore).
    std::optional<Valore> prossimo()
    {
        while (coda.isEmpty()) {
            if (lettore.finito())
                return std::nullopt;
            auto campi = lettore.prossimo();
            if (!campi)
                return std::nullopt;
            if (!(campi->size() == 1 && campi->first().tipo() == Valore::Tipo::Vuoto)) // not an empty line
                coda = *campi;
        }
        return coda.takeFirst();
    }
    const QString& errore() const { return lettore.errore(); }

private:
    record::Lettore lettore;
    QList<Valore> coda;
};

} // namespace

std::optional<Listino> leggiListino(const QByteArray& contenuto, QString* errore)
{
    const auto sbaglia = [&](const QString& testo) -> std::optional<Listino> {
        if (errore)
            *errore = testo;
        return std::nullopt;
    };
    if (errore)
        errore->clear();

    Campi campi(contenuto);
    Listino listino;
    const auto intestazione = campi.prossimo();
    if (!intestazione)
        return sbaglia(campi.errore().isEmpty() ? QStringLiteral("il file è vuoto") : campi.errore());
    listino.intestazione = *intestazione;

    const auto conteggio = campi.prossimo();
    if (!conteggio)
        return sbaglia(campi.errore().isEmpty() ? QStringLiteral("manca il numero dei prodotti dopo l'intestazione")
                                                : campi.errore());
    const double annunciati = conteggio->numero();
    if (!conteggio->numerico() || annunciati < 0 || annunciati != std::floor(annunciati))
        return sbaglia("il numero dei prodotti, «" + conteggio->testo() + "», non è un numero intero da 0 in su");

    const int daLeggere = annunciati > massimoProdotti ? massimoProdotti : int(annunciati);
    for (int k = 1; k <= daLeggere; ++k) {
        std::optional<Valore> valori[4];
        for (auto& v : valori)
            if (!(v = campi.prossimo()))
                break;
        if (!valori[3]) {
            if (!campi.errore().isEmpty())
                return sbaglia(campi.errore());
            return sbaglia(QStringLiteral("il file finisce dopo %1 prodotti completi invece dei %2 annunciati")
                               .arg(k - 1)
                               .arg(conteggio->testo()));
        }
        listino.prodotti.append({*valori[0], *valori[1], *valori[2], *valori[3]});
    }
    if (annunciati > massimoProdotti && errore)
        *errore = QStringLiteral("il file annuncia %1 prodotti, ma il listino ne contiene al massimo %2: "
                                 "sono mostrati i primi %2")
                      .arg(conteggio->testo())
                      .arg(massimoProdotti);
    return listino;
}

} // namespace guida
