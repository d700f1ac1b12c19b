#pragma once
// The report's chapter on the seismic check of the buried pipes: a short text
// naming the decrees the check follows, a legend of the column codes, the
// table of the six working stresses of every pipe and the table of the data
// each pipe was checked with. It follows the network section only when there
// are pipes.
//
// Printer: body font at size 8 for the tables, numbers aligned on their
// decimal separators; the stress table breaks after its 37th row on a page,
// and earlier wherever a page reaches the foot, repeating its heading; the
// data table starts on a page of its own above 14 pipes. Document: a legend
// table and the two tables, one row per pipe under the heading and units rows.

#include <QString>
#include <QStringList>
#include <vector>

namespace relazione {

struct Contesto;

// The chapter's title.
inline const QString titoloSismica = QStringLiteral("VERIFICA SISMICA TUBI INTERRATI");

void sismicaStampa(Contesto& ctx);
void sismicaWord(Contesto& ctx);

// The stress table's page break: the page foot and a new page, with the
// table's heading again once more than 36 rows stand on the page.
// (Contesto::intestazionesismica)

// Rows of the stress table on a page before its counted break.
constexpr int righePaginaSismica = 37;
// Above this many pipes the data table starts on a new page.
constexpr int tubiStessaPagina = 14;
// The printed stress table's typed texts keep to their columns: the
// reference and the material wrap onto further lines of their row beyond
// these many characters.
constexpr int larghezzaRiferimento = 30;
constexpr int larghezzaMateriale = 24;

// The printer's text lines and nineteen legend lines. When some pipe fails
// its check, the text's last clause says so instead of claiming every stress
// below the material's limit.
QStringList testoSismica(bool tuttiVerificati);

// A pipe that does not pass its check: its number, its reference and, for
// each working stress above its allowable stress, "sts = 501,25 kg/cmq
// oltre il massimo ammissibile di 450,00 kg/cmq".
struct TuboNonVerificato {
    int tubo = 0;
    QString riferimento;
    QStringList oltre;
};
// The failing pipes, in order, from the stresses and allowable stresses of the
// pipe table, by the seismic window's own rule (tubazioni::sigmaAmmesso).
std::vector<TuboNonVerificato> tubiNonVerificati();
// The sentence that names a failing pipe after the stress table.
QString fraseNonVerificato(const TuboNonVerificato& t);
QStringList legendaSismica();

} // namespace relazione
