#pragma once
// The texts of the report's three hydraulic sections: the storm flow, the foul
// flow and the collector's section. Both renderings take them from here: the
// printer prints the paragraphs' lines, the document joins them into
// paragraphs with the few wordings of its own listed in testiidraulica.cpp.
// The two tables of the storm flow are built from the data the sizing uses
// (the surface types' run-off coefficients and the slope classes), so that the
// report states the coefficients the network was sized with.

#include "report/capoverso.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace relazione {

// The storm-flow section.
struct TestiAcqueBianche {
    QString titolo;
    Capoverso a, b, c, d, e, f;
    // Where the document ends its first paragraph, inside paragraph b.
    QString fineFormula;
    // A paragraph that only the document has.
    QString g;
};

// A section built round one formula: the foul flow and the collector's section.
struct TestiFormula {
    QString titolo;
    Capoverso prima;      // before the formula
    QString introduzione; // the line that announces the formula
    QString formula;
    // The legend as printed: the first line starts with legendaApertura, the
    // others with as many blanks.
    QStringList legenda;
    QList<Capoverso> dopo; // after the legend
};

inline const QString legendaApertura = QStringLiteral("in cui");

// The storm and foul sections' texts name the network's kind of system
// (`sistema`, "bianche", "nere" or "misto"; without it, the network's own).
TestiAcqueBianche testiAcqueBianche(const QString& sistema);
TestiAcqueBianche testiAcqueBianche();
TestiFormula testiAcqueNere(const QString& sistema);
TestiFormula testiAcqueNere();
const TestiFormula& testiCollettore();

// A paragraph as the document writes it: testoUnito with the document's own wordings.
QString testoDocumento(const Capoverso& c);

// One row of a table: the printer's line and the document's cells.
struct RigaTabella {
    QString riga;
    QStringList celle;
};

// The run-off coefficients of the ten surface types: the heading, then one row a type.
QList<RigaTabella> tabellaDeflusso();
// The slope corrections: the heading, then one row a slope class.
QList<RigaTabella> tabellaPendenze();

} // namespace relazione
