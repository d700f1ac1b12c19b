#include "office/formastampa.h"

#include <QLocale>
#include <cmath>

namespace office {

Cifre cifreSignificative(double positivo)
{
    const QString scientifica = QString::number(positivo, 'e', 14); // d.dddddddddddddde+XX
    const qsizetype e = scientifica.indexOf(QLatin1Char('e'));
    Cifre risultato;
    risultato.esponente = scientifica.mid(e + 1).toInt();
    risultato.cifre = scientifica.left(e).remove(QLatin1Char('.'));
    while (risultato.cifre.size() > 1 && risultato.cifre.endsWith(QLatin1Char('0')))
        risultato.cifre.chop(1);
    return risultato;
}

namespace {

QString conEsponente(const Cifre& c, const QString& separatore)
{
    QString mantissa = c.cifre.left(1);
    if (c.cifre.size() > 1)
        mantissa += separatore + c.cifre.mid(1);
    const QString segno = c.esponente < 0 ? QStringLiteral("-") : QStringLiteral("+");
    return mantissa + QLatin1Char('E') + segno
        + QString::number(std::abs(c.esponente)).rightJustified(2, QLatin1Char('0'));
}

QString senzaEsponente(const Cifre& c, const QString& separatore)
{
    if (c.esponente < 0)
        return separatore + QString(-c.esponente - 1, QLatin1Char('0')) + c.cifre;
    const qsizetype intere = c.esponente + 1;
    if (c.cifre.size() <= intere)
        return c.cifre + QString(intere - c.cifre.size(), QLatin1Char('0'));
    return c.cifre.left(intere) + separatore + c.cifre.mid(intere);
}

} // namespace

QString formaStampa(double numero)
{
    const QString segno = numero < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    if (!std::isfinite(numero))
        return segno + QString::number(std::fabs(numero)) + QLatin1Char(' ');
    if (numero == 0)
        return QStringLiteral(" 0 ");

    const Cifre c = cifreSignificative(std::fabs(numero));
    const QString separatore = QLocale().decimalPoint();
    const bool esponenziale = c.esponente >= 15 || c.esponente < -15;
    const QString corpo = esponenziale ? conEsponente(c, separatore) : senzaEsponente(c, separatore);
    return segno + corpo + QLatin1Char(' ');
}

} // namespace office
