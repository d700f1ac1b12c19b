// A small .docx reader for the tests: unzips the package and reads word/document.xml back into
// paragraphs and tables, in document order.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

namespace lettura {

struct Frammento {
    QString testo;
    QString font;
    double dimensione = 0; // points, 0 when the run does not say
    bool grassetto = false;
    QString immagine;      // relationship id of an inline picture
    long long larghezzaEmu = 0;
    long long altezzaEmu = 0;
};

struct Paragrafo {
    QVector<Frammento> frammenti;
    QString allineamento;       // w:jc, empty when none
    int interlinea = 0;         // w:spacing w:line, 0 when none
    bool interruzionePagina = false;
    bool tieniConSeguente = false; // w:keepNext
    double dimensioneSegno = 0; // size of the paragraph mark
    QString testo() const;
};

struct Tabella {
    QString stile;
    QVector<int> larghezze; // w:gridCol, twips
    QVector<QVector<QVector<Paragrafo>>> righe; // row, cell, paragraphs
    QString testo(int riga, int colonna) const; // from 1; paragraphs joined by \r
    const Paragrafo& primo(int riga, int colonna) const;
    int colonne() const { return righe.isEmpty() ? 0 : static_cast<int>(righe.front().size()); }
};

struct Documento {
    QMap<QString, QByteArray> parti;  // every file of the package
    QVector<Paragrafo> paragrafi;     // body paragraphs, tables' excluded
    QVector<Tabella> tabelle;
    QStringList ordine;               // "P:<text>" or "T:<index>" for each body item
    int larghezzaPagina = 0;
    int altezzaPagina = 0;
    bool valido = false;
    QString errore;
};

Documento leggi(const QByteArray& docx);
Documento leggiFile(const QString& percorso);

} // namespace lettura
