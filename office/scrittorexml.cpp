#include "office/scrittorexml.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <type_traits>

namespace office {

namespace {

enum class Modo { nome, testo, attributo };

// What stands for an ASCII character in text or in an attribute: nullptr when the character
// stands for itself, an empty string when XML 1.0 cannot hold it.
const char* sostituto(char16_t c, Modo modo)
{
    switch (c) {
    case u'&': return "&amp;";
    case u'<': return "&lt;";
    case u'>': return "&gt;";
    case u'"': return modo == Modo::attributo ? "&quot;" : nullptr;
    case u'\t': return modo == Modo::attributo ? "&#9;" : nullptr;
    case u'\n': return modo == Modo::attributo ? "&#10;" : nullptr;
    case u'\r': return "&#13;";
    default: return c < 0x20 ? "" : nullptr;
    }
}

// Appends UTF-16 text as UTF-8, escaped as the mode wants (names are written as they are).
void accoda(std::string& uscita, QStringView testo, Modo modo)
{
    // at most 6 bytes for a UTF-16 unit ("&quot;"); a surrogate pair gives 4 for 2
    const std::size_t prima = uscita.size();
    const std::size_t massimo = prima + static_cast<std::size_t>(testo.size()) * 6;
    if (uscita.capacity() < massimo)
        uscita.reserve(std::max(massimo, 2 * uscita.capacity()));
    uscita.resize(massimo);
    char* o = uscita.data() + prima;
    const char16_t* p = testo.utf16();
    const qsizetype n = testo.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = p[i];
        if (c < 0x80) {
            if (modo != Modo::nome && (c < 0x20 || c == u'&' || c == u'<' || c == u'>' || c == u'"')) {
                if (const char* s = sostituto(char16_t(c), modo)) {
                    while (*s)
                        *o++ = *s++;
                    continue;
                }
            }
            *o++ = char(c);
            continue;
        }
        if (QChar::isSurrogate(c)) {
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]))
                c = QChar::surrogateToUcs4(char16_t(c), p[++i]);
            else
                c = 0xFFFD; // a lone half of a pair
        } else if (modo != Modo::nome && (c == 0xFFFE || c == 0xFFFF)) {
            continue; // not a character XML 1.0 can hold
        }
        if (c < 0x800) {
            *o++ = char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *o++ = char(0xE0 | (c >> 12));
            *o++ = char(0x80 | ((c >> 6) & 0x3F));
        } else {
            *o++ = char(0xF0 | (c >> 18));
            *o++ = char(0x80 | ((c >> 12) & 0x3F));
            *o++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *o++ = char(0x80 | (c & 0x3F));
    }
    uscita.resize(static_cast<std::size_t>(o - uscita.data()));
}

void accoda(std::string& uscita, QAnyStringView testo, Modo modo)
{
    testo.visit([&uscita, modo](auto t) {
        using Vista = decltype(t);
        if constexpr (std::is_same_v<Vista, QStringView>) {
            accoda(uscita, t, modo);
        } else if constexpr (std::is_same_v<Vista, QLatin1StringView>) {
            const bool ascii = std::all_of(t.begin(), t.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
            if (modo == Modo::nome && ascii)
                uscita.append(t.data(), static_cast<std::size_t>(t.size()));
            else
                accoda(uscita, QStringView(t.toString()), modo);
        } else if (modo == Modo::nome) {
            uscita.append(reinterpret_cast<const char*>(t.data()), static_cast<std::size_t>(t.size())); // UTF-8 already
        } else {
            accoda(uscita, QStringView(t.toString()), modo);
        }
    });
}

} // namespace

ScrittoreXml::ScrittoreXml(QByteArray* uscita) : m_uscita(*uscita)
{
}

ScrittoreXml::~ScrittoreXml()
{
    consegna();
}

void ScrittoreXml::consegna()
{
    m_uscita.append(m_testo.data(), static_cast<qsizetype>(m_testo.size()));
    m_testo.clear();
}

void ScrittoreXml::aggiungi(QAnyStringView testo)
{
    accoda(m_testo, testo, Modo::nome);
}

void ScrittoreXml::writeStartDocument(QAnyStringView versione, bool autonomo)
{
    m_testo += "<?xml version=\"";
    aggiungi(versione);
    m_testo += autonomo ? "\" encoding=\"UTF-8\" standalone=\"yes\"?>" : "\" encoding=\"UTF-8\"?>";
}

void ScrittoreXml::chiudiApertura()
{
    if (m_stato == Stato::Apertura)
        m_testo += '>';
    else if (m_stato == Stato::Vuoto)
        m_testo += "/>";
    m_stato = Stato::Fuori;
}

void ScrittoreXml::writeStartElement(QAnyStringView nome)
{
    chiudiApertura();
    m_testo += '<';
    const std::size_t inizio = m_testo.size();
    aggiungi(nome);
    // the name's bytes are kept in an array reused from an element closed before: no allocation
    // for each element
    if (m_profondita == m_aperti.size())
        m_aperti.emplace_back();
    m_aperti[m_profondita++].assign(m_testo, inizio);
    m_stato = Stato::Apertura;
}

void ScrittoreXml::writeEmptyElement(QAnyStringView nome)
{
    chiudiApertura();
    m_testo += '<';
    aggiungi(nome);
    m_stato = Stato::Vuoto;
}

void ScrittoreXml::writeAttribute(QAnyStringView nome, QAnyStringView valore)
{
    m_testo += ' ';
    aggiungi(nome);
    m_testo += "=\"";
    scriviEscape(valore, true);
    m_testo += '"';
}

void ScrittoreXml::writeCharacters(QAnyStringView testo)
{
    chiudiApertura();
    scriviEscape(testo, false);
}

void ScrittoreXml::writeEndElement()
{
    if (m_profondita == 0)
        return;
    if (m_stato == Stato::Apertura) {
        m_testo += "/>"; // nothing inside: one empty element
        m_stato = Stato::Fuori;
    } else {
        chiudiApertura();
        m_testo += "</";
        m_testo += m_aperti[m_profondita - 1];
        m_testo += '>';
    }
    --m_profondita;
}

void ScrittoreXml::writeEndDocument()
{
    while (m_profondita > 0)
        writeEndElement();
    chiudiApertura();
    consegna();
}

void ScrittoreXml::writeFragment(QByteArrayView xml)
{
    chiudiApertura();
    m_testo.append(xml.data(), static_cast<std::size_t>(xml.size()));
}

void ScrittoreXml::scriviEscape(QAnyStringView testo, bool attributo)
{
    accoda(m_testo, testo, attributo ? Modo::attributo : Modo::testo);
}

} // namespace office
