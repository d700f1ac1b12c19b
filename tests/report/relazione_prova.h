// What the tests of the report's tables share: a network and pipes put into
// the shared data as a data file would, the report run in either rendering,
// and what it printed or wrote read back.
#pragma once

#include "supporto/ambientedocumento.h"
#include "supporto/doppi.h"

#include "office/superficieregistrata.h"

#include <QString>
#include <QStringList>
#include <vector>

class ConRelazione : public AmbienteDocumento {
protected:
    void SetUp() override
    {
        ripristina();
        AmbienteDocumento::SetUp();
    }
    void TearDown() override
    {
        AmbienteDocumento::TearDown();
        ripristina();
    }

    // n complete segments of the network type, the same data on each.
    static void rete(int n, const QString& sistema);
    // m pipes with every field filled.
    static void tubi(int m);

    // The report on the printer (recorded) or as a document (read back).
    static const office::SuperficieRegistrata& stampa();
    lettura::Documento word();
};

// A printed row: its page, top and number (segment or pipe).
struct RigaStampata {
    int pagina;
    double y;
    int numero;
};

// The scritte of the printed report from the first whose text begins with
// `da` up to the first, after it, that begins with `a` (to the end when `a`
// is empty).
std::vector<office::ScrittaRegistrata> tratto(const office::SuperficieRegistrata& s, const QString& da,
                                              const QString& a = {});

// The rows of a printed table, by the number that opens each: a scritta at
// size 8 of the form " n " whose units digit stands in column `colonnaUnita`.
std::vector<RigaStampata> righe(const std::vector<office::ScrittaRegistrata>& scritte, int colonnaUnita);

// Column (from 1) where a printed scritta begins.
int colonnaDi(const office::ScrittaRegistrata& s);

// What is wrong with the pages of a printed report: a page after the title
// page without its one foot "pagina n", or a text below the foot.
QStringList difettiPagine(const office::SuperficieRegistrata& s);

// Pages of a table whose rows are not all under the table's heading on that
// page (a scritta whose text is `intestazione`, above the page's first row).
QStringList pagineSenzaIntestazione(const std::vector<office::ScrittaRegistrata>& scritte,
                                    const std::vector<RigaStampata>& righe, const QString& intestazione);

// The numbers of the rows, in print order.
std::vector<int> numeri(const std::vector<RigaStampata>& righe);
std::vector<int> daUnoA(int n);
