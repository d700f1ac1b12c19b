// The rainfall data file, through the reader the rainfall window calls.
#include "comune.h"

#include "rainfall/equazioni.h"

#include <QSet>
#include <cmath>

using namespace pioggia;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    const LetturaZone lettura = leggiZone(fuzz::inFile(fuzz::byte(dati, quanti)));
    // Either zones or reasons, never both, never neither.
    VERIFICA(lettura.riuscita() == !lettura.zone.isEmpty());
    QSet<QString> nomi;
    for (const Zona& z : lettura.zone) {
        VERIFICA(!z.nome.isEmpty() && !nomi.contains(z.nome.toLower()));
        nomi.insert(z.nome.toLower());
        VERIFICA(std::isfinite(z.a) && z.a > 0);
        VERIFICA(z.n > 0 && z.n <= 1);
        VERIFICA(std::isfinite(z.tempoRitorno) && z.tempoRitorno > 0);
        VERIFICA(!z.fonte.isEmpty() && z.indirizzo.startsWith(QStringLiteral("http")));
        VERIFICA(altezzaPioggia(z, 0) == 0 && intensitaPioggia(z, -1) == 0);
        VERIFICA(altezzaPioggia(z, 60) >= 0);
    }
    return 0;
}
