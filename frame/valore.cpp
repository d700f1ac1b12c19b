#include "frame/valore.h"

#include "frame/formati.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// Whether a text as a whole (blanks and tabs around allowed) reads as a finite decimal number.
bool testoNumerico(const QString& t)
{
    int inizio = 0;
    int fine = int(t.size());
    while (inizio < fine && (t.at(inizio) == u' ' || t.at(inizio) == u'\t'))
        ++inizio;
    while (fine > inizio && (t.at(fine - 1) == u' ' || t.at(fine - 1) == u'\t'))
        --fine;
    const QStringView nucleo = QStringView(t).mid(inizio, fine - inizio);
    if (nucleo.isEmpty() || lunghezzaNumeroIniziale(nucleo) != nucleo.size())
        return false;
    // Only an exponent or some 300 digits reach past the largest number: the
    // conversion, the costly part, is left to those.
    constexpr qsizetype cifreSicure = 300;
    const bool esponente = nucleo.contains(u'e', Qt::CaseInsensitive) || nucleo.contains(u'd', Qt::CaseInsensitive);
    return (!esponente && nucleo.size() <= cifreSicure) || std::isfinite(Val(nucleo.toString()));
}

} // namespace

Valore::Valore() = default;
Valore::Valore(double n) : m_tipo(Tipo::Numero), m_numero(n), m_numerico(true) {}
Valore::Valore(int n) : Valore(static_cast<double>(n)) {}
Valore::Valore(const QString& t) : m_tipo(Tipo::Testo), m_testo(t), m_numero(Val(t)), m_numerico(testoNumerico(t)) {}
Valore::Valore(const char* t) : Valore(QString::fromUtf8(t)) {}

QString Valore::testo() const
{
    if (m_tipo == Tipo::Numero)
        return testoNumero(m_numero);
    return m_testo;
}

bool numeroIncompleto(const QString& testo)
{
    static const QRegularExpression inizio(QStringLiteral("^\\s*[+-]?(\\.?|(\\d+\\.?\\d*|\\.\\d+)[eEdD][+-]?)$"));
    return !testo.isEmpty() && !Valore(testo).numerico() && inizio.match(testo).hasMatch();
}
