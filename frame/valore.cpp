#include "frame/valore.h"

#include "frame/formati.h"

#include <QRegularExpression>
#include <cmath>

Valore::Valore() = default;
Valore::Valore(double n) : contenuto(n) {}
Valore::Valore(int n) : contenuto(static_cast<double>(n)) {}
Valore::Valore(const QString& t) : contenuto(t) {}
Valore::Valore(const char* t) : contenuto(QString::fromUtf8(t)) {}

Valore::Tipo Valore::tipo() const
{
    if (std::holds_alternative<QString>(contenuto))
        return Tipo::Testo;
    if (std::holds_alternative<double>(contenuto))
        return Tipo::Numero;
    return Tipo::Vuoto;
}

bool Valore::vuoto() const
{
    const QString* t = std::get_if<QString>(&contenuto);
    return tipo() == Tipo::Vuoto || (t && t->isEmpty());
}

bool Valore::eNumero() const { return tipo() == Tipo::Numero; }
bool Valore::eTesto() const { return tipo() == Tipo::Testo; }

double Valore::numero() const
{
    if (const double* n = std::get_if<double>(&contenuto))
        return *n;
    if (const QString* t = std::get_if<QString>(&contenuto))
        return Val(*t);
    return 0.0;
}

QString Valore::testo() const
{
    if (const double* n = std::get_if<double>(&contenuto))
        return testoNumero(*n);
    if (const QString* t = std::get_if<QString>(&contenuto))
        return *t;
    return QString();
}

bool Valore::numerico() const
{
    if (eNumero())
        return true;
    const QString* t = std::get_if<QString>(&contenuto);
    if (!t)
        return false;
    int inizio = 0;
    int fine = int(t->size());
    while (inizio < fine && (t->at(inizio) == u' ' || t->at(inizio) == u'\t'))
        ++inizio;
    while (fine > inizio && (t->at(fine - 1) == u' ' || t->at(fine - 1) == u'\t'))
        --fine;
    const QStringView nucleo = QStringView(*t).mid(inizio, fine - inizio);
    if (nucleo.isEmpty() || lunghezzaNumeroIniziale(nucleo) != nucleo.size())
        return false;
    // Only an exponent or some 300 digits reach past the largest number: the
    // conversion, the costly part, is left to those.
    constexpr qsizetype cifreSicure = 300;
    const bool esponente = nucleo.contains(u'e', Qt::CaseInsensitive) || nucleo.contains(u'd', Qt::CaseInsensitive);
    return (!esponente && nucleo.size() <= cifreSicure) || std::isfinite(Val(nucleo.toString()));
}

bool numeroIncompleto(const QString& testo)
{
    static const QRegularExpression inizio(QStringLiteral("^\\s*[+-]?(\\.?|(\\d+\\.?\\d*|\\.\\d+)[eEdD][+-]?)$"));
    return !testo.trimmed().isEmpty() && !Valore(testo).numerico() && inizio.match(testo).hasMatch();
}
