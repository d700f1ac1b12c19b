#include "pagine_prova.h"

#include <map>

using office::ScrittaRegistrata;

QStringList difettiPagine(const office::SuperficieRegistrata& s)
{
    QStringList difetti;
    std::map<int, QStringList> piedi;
    for (const ScrittaRegistrata& r : s.scritte()) {
        if (r.testo.startsWith(QStringLiteral("pagina ")) && r.y == 15500) {
            piedi[r.pagina] << r.testo;
            if (r.punti != 12)
                difetti << QStringLiteral("p. %1: piede a %2 punti").arg(r.pagina).arg(r.punti);
        }
        else if (r.y + s.misure(r.carattere, r.punti).riga > 15500.5)
            difetti << QStringLiteral("p. %1: \"%2\" sotto il piede").arg(r.pagina).arg(r.testo);
        if (r.x + s.larghezza(r.carattere, r.punti, r.testo) > s.area().width() + 0.5)
            difetti << QStringLiteral("p. %1: \"%2\" oltre il margine destro").arg(r.pagina).arg(r.testo);
    }
    for (int p = 1; p <= s.scritte().back().pagina; ++p)
        if (piedi[p] != (p == 1 ? QStringList() : QStringList{QStringLiteral("pagina  %1 ").arg(p)}))
            difetti << QStringLiteral("p. %1: piedi %2").arg(p).arg(piedi[p].join('|'));
    return difetti;
}
