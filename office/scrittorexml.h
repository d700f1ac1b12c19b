#pragma once
// A small XML writer for the parts of a .docx: elements, attributes and text appended as UTF-8
// bytes to one byte array, escaped as XML wants, with the calls of Qt's stream writer. It is
// several times quicker than that writer on a large document (a report of 500 segments has some
// 10,000 table cells), because it appends to one buffer with no device and no UTF-16 copy in
// between, and checks nothing but what it must: characters that XML 1.0 cannot hold are dropped,
// and a lone surrogate becomes U+FFFD.

#include <QAnyStringView>
#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <string>
#include <vector>

namespace office {

class ScrittoreXml {
public:
    // What is written reaches *uscita (appended) at writeEndDocument, or when the writer ends.
    explicit ScrittoreXml(QByteArray* uscita);
    ~ScrittoreXml();
    ScrittoreXml(const ScrittoreXml&) = delete;
    ScrittoreXml& operator=(const ScrittoreXml&) = delete;
    void reserve(qsizetype byte) { m_testo.reserve(static_cast<std::size_t>(byte)); }

    void setAutoFormatting(bool) {} // never: the parts are written compact
    // The declaration, with standalone="yes" when asked; the text is UTF-8.
    void writeStartDocument(QAnyStringView versione, bool autonomo);
    void writeStartElement(QAnyStringView nome);
    void writeEmptyElement(QAnyStringView nome);
    void writeAttribute(QAnyStringView nome, QAnyStringView valore);
    void writeDefaultNamespace(QAnyStringView spazio) { writeAttribute(u"xmlns", spazio); }
    void writeCharacters(QAnyStringView testo);
    void writeEndElement();
    void writeEndDocument(); // closes every element still open
    // Appends whole elements that another writer wrote: a piece repeated in many places (a
    // table's cell properties) is written once.
    void writeFragment(QByteArrayView xml);

private:
    void chiudiApertura();
    void aggiungi(QAnyStringView testo); // names and other texts that need no escape
    void scriviEscape(QAnyStringView testo, bool attributo);
    void consegna();

    QByteArray& m_uscita;
    std::string m_testo; // appending to a standard string is quicker than to a QByteArray
    std::vector<std::string> m_aperti; // the open elements' names; entries past m_profondita kept for reuse
    std::size_t m_profondita = 0;
    enum class Stato { Fuori, Apertura, Vuoto } m_stato = Stato::Fuori;
};

} // namespace office
