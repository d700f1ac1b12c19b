#include "report/capoverso.h"

#include <QLocale>

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

QStringList righeEntro(const QString& testo, double massimo, const std::function<double(const QString&)>& larghezza)
{
    QStringList righe;
    QString riga;
    const auto chiudi = [&] {
        if (!riga.isEmpty())
            righe << riga;
        riga.clear();
    };
    for (QString parola : testo.simplified().split(u' ', Qt::SkipEmptyParts)) {
        const QString conParola = riga.isEmpty() ? parola : riga + u' ' + parola;
        if (larghezza(conParola) <= massimo) {
            riga = conParola;
            continue;
        }
        chiudi();
        // A word wider than the line is cut where the line is full; at least
        // one character goes on each line, however narrow it is.
        while (larghezza(parola) > massimo && parola.size() > 1) {
            qsizetype n = 1;
            while (n < parola.size() && larghezza(parola.left(n + 1)) <= massimo)
                ++n;
            righe << parola.left(n);
            parola = parola.mid(n);
        }
        riga = parola;
    }
    chiudi();
    return righe;
}

QString separatoreLocale(QString testo)
{
    const QString separatore = QLocale().decimalPoint();
    for (qsizetype i = 1; i + 1 < testo.size(); ++i)
        if (testo[i] == u'.' && testo[i - 1].isDigit() && testo[i + 1].isDigit())
            testo.replace(i, 1, separatore);
    return testo;
}

QStringList righeEntro(const QString& testo, int caratteri)
{
    return righeEntro(testo, caratteri, [](const QString& t) { return double(t.size()); });
}

Capoverso capoverso(const QString& testo, int larghezza)
{
    return Capoverso{righeEntro(testo, larghezza), larghezza};
}

} // namespace relazione
