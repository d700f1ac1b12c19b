#include "report/capoverso.h"

#include <algorithm>
#include <vector>

namespace relazione {

QString riempiRiga(const QString& riga, int larghezza)
{
    const QStringList parole = riga.split(u' ');
    const qsizetype spazi = parole.size() - 1;
    const qsizetype mancano = std::min<qsizetype>(larghezza - riga.size(), spazi);
    if (mancano <= 0)
        return riga;
    // Blank k of the `mancano` to double falls in the middle of its share of
    // the line's blanks, so the wider gaps are spread evenly.
    std::vector<bool> doppio(spazi, false);
    for (qsizetype k = 0; k < mancano; ++k)
        doppio[(2 * k + 1) * spazi / (2 * mancano)] = true;
    QString piena = parole.front();
    for (qsizetype i = 0; i < spazi; ++i)
        piena += (doppio[i] ? QStringLiteral("  ") : QStringLiteral(" ")) + parole[i + 1];
    return piena;
}

QStringList righeStampate(const Capoverso& c)
{
    QStringList righe;
    for (qsizetype i = 0; i < c.righe.size(); ++i) {
        const bool ultima = i == c.righe.size() - 1;
        righe << (ultima && !c.ultimaPiena ? c.righe[i] : riempiRiga(c.righe[i], c.larghezza));
    }
    return righe;
}

QString testoUnito(const Capoverso& c)
{
    return c.righe.join(u' ').simplified();
}

} // namespace relazione
