#include "office/scrittorexml.h"

#include <type_traits>

namespace office {

ScrittoreXml::ScrittoreXml(QString* uscita) : m_uscita(*uscita)
{
}

void ScrittoreXml::aggiungi(QAnyStringView testo)
{
    testo.visit([this](auto t) {
        if constexpr (std::is_same_v<decltype(t), QUtf8StringView>)
            m_uscita += QString::fromUtf8(t.data(), t.size());
        else
            m_uscita += t;
    });
}

void ScrittoreXml::writeStartDocument(QAnyStringView versione, bool autonomo)
{
    m_uscita += u"<?xml version=\"";
    aggiungi(versione);
    m_uscita += autonomo ? u"\" encoding=\"UTF-8\" standalone=\"yes\"?>" : u"\" encoding=\"UTF-8\"?>";
}

void ScrittoreXml::chiudiApertura()
{
    if (m_stato == Stato::Apertura)
        m_uscita += u'>';
    else if (m_stato == Stato::Vuoto)
        m_uscita += u"/>";
    m_stato = Stato::Fuori;
}

void ScrittoreXml::writeStartElement(QAnyStringView nome)
{
    chiudiApertura();
    m_uscita += u'<';
    aggiungi(nome);
    // the name's string is reused from an element closed before: no allocation for each element
    if (m_profondita == m_aperti.size())
        m_aperti.emplace_back();
    QString& aperto = m_aperti[m_profondita++];
    aperto.resize(0);
    nome.visit([&aperto](auto n) {
        if constexpr (std::is_same_v<decltype(n), QUtf8StringView>)
            aperto += QString::fromUtf8(n.data(), n.size());
        else
            aperto += n;
    });
    m_stato = Stato::Apertura;
}

void ScrittoreXml::writeEmptyElement(QAnyStringView nome)
{
    chiudiApertura();
    m_uscita += u'<';
    aggiungi(nome);
    m_stato = Stato::Vuoto;
}

void ScrittoreXml::writeAttribute(QAnyStringView nome, QAnyStringView valore)
{
    m_uscita += u' ';
    aggiungi(nome);
    m_uscita += u"=\"";
    scriviEscape(valore, true);
    m_uscita += u'"';
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
        m_uscita += u"/>"; // nothing inside: one empty element
        m_stato = Stato::Fuori;
    } else {
        chiudiApertura();
        m_uscita += u"</";
        m_uscita += m_aperti[m_profondita - 1];
        m_uscita += u'>';
    }
    --m_profondita;
}

void ScrittoreXml::writeEndDocument()
{
    while (m_profondita > 0)
        writeEndElement();
    chiudiApertura();
}

void ScrittoreXml::writeFragment(QStringView xml)
{
    chiudiApertura();
    m_uscita += xml;
}

void ScrittoreXml::scriviEscape(QAnyStringView testo, bool attributo)
{
    testo.visit([this, attributo](auto t) {
        if constexpr (std::is_same_v<decltype(t), QStringView>)
            scriviEscape(t, attributo);
        else
            scriviEscape(QStringView(t.toString()), attributo);
    });
}

void ScrittoreXml::scriviEscape(QStringView testo, bool attributo)
{
    qsizetype inizio = 0;
    const auto copia = [&](qsizetype fine) {
        if (fine > inizio)
            m_uscita += testo.mid(inizio, fine - inizio);
    };
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        const char16_t* sostituto = nullptr;
        switch (c) {
        case u'&': sostituto = u"&amp;"; break;
        case u'<': sostituto = u"&lt;"; break;
        case u'>': sostituto = u"&gt;"; break;
        case u'"': sostituto = attributo ? u"&quot;" : nullptr; break;
        case u'\t': sostituto = attributo ? u"&#9;" : nullptr; break;
        case u'\n': sostituto = attributo ? u"&#10;" : nullptr; break;
        case u'\r': sostituto = u"&#13;"; break;
        default:
            // Characters XML 1.0 cannot hold are dropped.
            if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
                sostituto = u"";
            break;
        }
        if (!sostituto)
            continue;
        copia(i);
        m_uscita += QStringView(sostituto);
        inizio = i + 1;
    }
    copia(testo.size());
}

} // namespace office
