#include "frame/cp1252.h"

#include <QStringDecoder>

namespace cp1252 {

namespace {

// Characters of bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr char16_t tabella80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int byteDi(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (tabella80[i] == c && c != 0)
            return 0x80 + i;
    return -1;
}

} // namespace

QString decodifica(const QByteArray& byte)
{
    QString testo;
    testo.reserve(byte.size());
    for (char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0 && tabella80[u - 0x80] != 0)
            testo.append(QChar(tabella80[u - 0x80]));
        else
            testo.append(QChar(u));
    }
    return testo;
}

QByteArray codifica(const QString& testo, QString* perdite)
{
    QByteArray byte;
    byte.reserve(testo.size());
    for (QChar c : testo) {
        const int b = byteDi(c.unicode());
        if (b < 0) {
            byte.append('?');
            if (perdite && !perdite->contains(c))
                perdite->append(c);
        } else {
            byte.append(static_cast<char>(b));
        }
    }
    return byte;
}

bool rappresentabile(const QString& testo)
{
    for (QChar c : testo)
        if (byteDi(c.unicode()) < 0)
            return false;
    return true;
}

QString leggiTesto(const QByteArray& byte)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString testo = utf8.decode(byte);
    if (utf8.hasError())
        return decodifica(byte);
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);
    return testo;
}

int rigaUtf8NonValida(const QByteArray& byte)
{
    if (!byte.startsWith("\xEF\xBB\xBF"))
        return 0;
    // No byte of a UTF-8 sequence is a line feed: each line can be tried alone.
    int numero = 1;
    for (qsizetype inizio = 0; inizio < byte.size(); ++numero) {
        qsizetype fine = byte.indexOf('\n', inizio);
        if (fine < 0)
            fine = byte.size();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString riga = utf8.decode(QByteArrayView(byte).sliced(inizio, fine - inizio)); // decoded when taken
        if (utf8.hasError())
            return numero;
        inizio = fine + 1;
    }
    return 0;
}

} // namespace cp1252
