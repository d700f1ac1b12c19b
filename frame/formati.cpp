#include "frame/formati.h"

#include "frame/valore.h"
#include "office/formastampa.h"

#include <QDate>
#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

bool cifra(QChar c) { return c >= u'0' && c <= u'9'; }
bool spazio(QChar c) { return c == u' ' || c == u'\t'; }

// Where the digits of s run out, starting at i.
qsizetype dopoCifre(QStringView s, qsizetype i)
{
    while (i < s.size() && cifra(s[i]))
        ++i;
    return i;
}

// A number pattern read into its counts.
struct Schema {
    int minimoInteri = 0;
    bool gruppi = false;
    int minimoDecimali = 0;
    int massimoDecimali = 0;
    bool haSegnaposti = false;
};

Schema leggiSchema(const QString& schema)
{
    Schema s;
    const qsizetype punto = schema.indexOf(u'.');
    const QString interi = punto < 0 ? schema : schema.left(punto);
    const QString decimali = punto < 0 ? QString() : schema.mid(punto + 1);
    s.minimoInteri = int(interi.count(u'0'));
    s.gruppi = interi.contains(u',');
    s.minimoDecimali = int(decimali.count(u'0'));
    s.massimoDecimali = s.minimoDecimali + int(decimali.count(u'#'));
    s.haSegnaposti = s.minimoInteri + s.massimoDecimali + interi.count(u'#') > 0;
    return s;
}

// The integer digits (no leading zeros, "" for zero) and exactly `decimali`
// fraction digits of a number at or above 0, rounded half away from zero on its
// 15-significant-digit decimal form.
void arrotonda(double assoluto, int decimali, QString& intero, QString& frazione)
{
    const office::Cifre significative = office::cifreSignificative(assoluto);
    const QString& cifre = significative.cifre;
    const int punto = significative.esponente + 1; // digits before the point

    if (punto > 0) {
        intero = cifre.left(punto).leftJustified(punto, u'0');
        frazione = cifre.mid(punto);
    } else {
        intero.clear();
        frazione = QString(-punto, u'0') + cifre;
    }
    const bool suArrotonda = frazione.size() > decimali && frazione[decimali] >= u'5';
    frazione = frazione.left(decimali).leftJustified(decimali, u'0');
    if (suArrotonda) {
        QString tutto = intero + frazione;
        qsizetype i = tutto.size() - 1;
        while (i >= 0 && tutto[i] == u'9')
            tutto[i--] = u'0';
        if (i < 0)
            tutto.prepend(u'1');
        else
            tutto[i] = QChar(tutto[i].unicode() + 1);
        intero = tutto.left(tutto.size() - decimali);
        frazione = tutto.right(decimali);
    }
    qsizetype zeri = 0;
    while (zeri < intero.size() && intero[zeri] == u'0')
        ++zeri;
    intero.remove(0, zeri);
}

QString raggruppa(const QString& intero, const QString& separatore)
{
    QString risultato;
    for (qsizetype i = 0; i < intero.size(); ++i) {
        if (i > 0 && (intero.size() - i) % 3 == 0)
            risultato += separatore;
        risultato += intero[i];
    }
    return risultato;
}

QString formattaNumero(double n, const Schema& schema)
{
    if (!std::isfinite(n) || !schema.haSegnaposti)
        return testoNumero(n);
    QString intero, frazione;
    arrotonda(std::fabs(n), schema.massimoDecimali, intero, frazione);
    while (frazione.size() > schema.minimoDecimali && frazione.endsWith(u'0'))
        frazione.chop(1);
    const bool zero = intero.isEmpty() && frazione.count(u'0') == frazione.size();
    intero = intero.rightJustified(schema.minimoInteri, u'0');

    const QLocale locale;
    QString risultato = (n < 0 && !zero) ? QStringLiteral("-") : QString();
    risultato += schema.gruppi ? raggruppa(intero, locale.groupSeparator()) : intero;
    if (!frazione.isEmpty())
        risultato += locale.decimalPoint() + frazione;
    return risultato;
}

} // namespace

int lunghezzaNumeroIniziale(QStringView testo)
{
    qsizetype i = 0;
    while (i < testo.size() && spazio(testo[i]))
        ++i;
    if (i < testo.size() && (testo[i] == u'+' || testo[i] == u'-'))
        ++i;
    const qsizetype inizioCifre = i;
    i = dopoCifre(testo, i);
    qsizetype quanteCifre = i - inizioCifre;
    if (i < testo.size() && testo[i] == u'.') {
        const qsizetype fine = dopoCifre(testo, i + 1);
        quanteCifre += fine - (i + 1);
        i = fine;
    }
    if (quanteCifre == 0)
        return 0;
    if (i < testo.size() && QStringView(u"EeDd").contains(testo[i])) {
        qsizetype j = i + 1;
        if (j < testo.size() && (testo[j] == u'+' || testo[j] == u'-'))
            ++j;
        if (j < testo.size() && cifra(testo[j]))
            i = dopoCifre(testo, j);
    }
    return int(i);
}

double Val(const QString& testo)
{
    const int lunghezza = lunghezzaNumeroIniziale(testo);
    if (lunghezza == 0)
        return 0.0;
    QByteArray numero = testo.left(lunghezza).trimmed().toLatin1();
    numero.replace('D', 'e').replace('d', 'e');
    // Read in the C locale (a point, no group separators), whatever locale the
    // program runs in; too large a number comes back as an infinity, too small a
    // one as 0. The text holds only what lunghezzaNumeroIniziale accepted.
    static const locale_t localeC = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(numero.constData(), nullptr, localeC);
}

QString testoNumero(double n)
{
    if (n == 0)
        return QStringLiteral("0");   // also for -0
    QString testo = QString::number(n, 'g', 15);
    testo.replace(u'e', u'E');
    return testo;
}

QString Str(double n)
{
    QString testo = testoNumero(n);
    if (testo.startsWith(QLatin1String("0.")))
        testo.remove(0, 1);
    else if (testo.startsWith(QLatin1String("-0.")))
        testo.remove(1, 1);
    return testo.startsWith(u'-') ? testo : u' ' + testo;
}

QString Format(const Valore& valore, const QString& schema)
{
    if (valore.vuoto())
        return QString();
    if (!valore.numerico())
        return valore.testo();
    return formattaNumero(valore.numero(), leggiSchema(schema));
}

QString formatoData(const QDate& data)
{
    if (!data.isValid())
        return QString();
    // The program speaks Italian whatever the system's language; only numbers
    // follow the user's locale.
    return QLocale(QLocale::Italian, QLocale::Italy).toString(data, QStringLiteral("dddd, d MMM yyyy"));
}
