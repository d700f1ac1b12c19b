// The report's seismic chapter: its two printed tables with their page
// breaks and alignment, and its three document tables.
#include "relazione_prova.h"

#include "frame/ModVelmor.h"
#include "report/relazionesismica.h"
#include "seismic/campitubo.h"
#include "seismic/tabellatubi.h"

#include <gtest/gtest.h>

using namespace ModVelmor;
using namespace relazione;
using namespace velmor::sismica;

namespace {

const QString titolo = QStringLiteral("VERIFICA SISMICA TUBI INTERRATI");
const QString titoloDati = QStringLiteral("Tabella dei dati del calcolo");
const QString intestazioneSigma = QStringLiteral("riferimento della verifica");
const QString intestazioneDati =
    QStringLiteral("pesos   compr    traz    diam   spess    peso   altez   pesot   attr    incr    press    bmin    bmax");

class RelazioneSismica : public ConRelazione {};

TEST_F(RelazioneSismica, RigheDiOgniTuboSottoLeIntestazioni)
{
    for (const int n : {1, 14, 15, 37, 50}) {
        SCOPED_TRACE(QStringLiteral("%1 tubi").arg(n).toStdString());
        ripristina();
        rete(3, "misto");
        tubi(n);
        const office::SuperficieRegistrata& s = stampa();
        EXPECT_EQ(difettiPagine(s), QStringList());

        // Pipe numbers end in column 8, whatever their digits.
        const auto sigma = tratto(s, titolo, titoloDati);
        const auto righeSigma = righe(sigma, 8);
        EXPECT_EQ(numeri(righeSigma), daUnoA(n));
        EXPECT_EQ(pagineSenzaIntestazione(sigma, righeSigma, intestazioneSigma), QStringList());

        const auto dati = tratto(s, titoloDati, QStringLiteral("La presente relazione è composta di n."));
        const auto righeDati = righe(dati, 8);
        EXPECT_EQ(numeri(righeDati), daUnoA(n));
        EXPECT_EQ(pagineSenzaIntestazione(dati, righeDati, intestazioneDati), QStringList());
        // Above 14 pipes the data table starts on a page of its own.
        ASSERT_FALSE(dati.empty());
        if (n > tubiStessaPagina) {
            EXPECT_EQ(dati.front().pagina, righeSigma.back().pagina + 1);
        }
        if (n == 1) {
            EXPECT_EQ(dati.front().pagina, righeSigma.back().pagina);
        }
    }
}

TEST_F(RelazioneSismica, SeparatoriDecimaliInColonna)
{
    rete(1, "misto");
    tubi(4);
    const double valori[] = {123.45, 7.5, -7.5, 0.5};
    for (int j = 1; j <= 4; ++j)
        impostaCampo(campo::incr, j, Valore(valori[j - 1]));
    const office::SuperficieRegistrata& s = stampa();
    const auto dati = tratto(s, titoloDati);
    std::vector<int> separatori;
    for (const QString testo : {" 123.45 ", " 7.5 ", "-7.5 ", " .5 "})
        for (const office::ScrittaRegistrata& x : dati)
            if (x.testo == testo)
                separatori.push_back(colonnaDi(x) + int(testo.indexOf('.')));
    // The anchor of "incr" is 85: separators on 86; a number between -1 and 1,
    // printed without its zero, one column further left.
    EXPECT_EQ(separatori, (std::vector<int>{86, 86, 86, 85}));
}

TEST_F(RelazioneSismica, TabelleDelDocumento)
{
    for (const int n : {1, 50}) {
        SCOPED_TRACE(QStringLiteral("%1 tubi").arg(n).toStdString());
        ripristina();
        rete(30, "nere");
        tubi(n);
        impostaCampo(campo::incr, n, Valore(1.5));
        const lettura::Documento d = word();
        ASSERT_TRUE(d.valido);
        // legend, two network tables, then the seismic legend, stresses and data
        ASSERT_EQ(d.tabelle.size(), 6);
        const lettura::Tabella& legenda = d.tabelle[3];
        const lettura::Tabella& sigma = d.tabelle[4];
        const lettura::Tabella& dati = d.tabelle[5];
        EXPECT_EQ(legenda.righe.size(), 20);
        EXPECT_EQ(legenda.testo(20, 1), "bmax");
        ASSERT_EQ(sigma.righe.size(), n + 2);
        ASSERT_EQ(dati.righe.size(), n + 2);
        for (int j = 1; j <= n; ++j) {
            EXPECT_EQ(sigma.testo(j + 2, 1), QString::number(j));
            EXPECT_EQ(sigma.testo(j + 2, 2), QStringLiteral("tratto %1").arg(j));
            EXPECT_FALSE(sigma.testo(j + 2, 9).isEmpty());
            EXPECT_EQ(dati.testo(j + 2, 1), QString::number(j));
            EXPECT_EQ(dati.testo(j + 2, 2), "2500");
        }
        EXPECT_EQ(dati.testo(n + 2, 11), "1.5");
        // The end pass found the two tables: stress columns 4 to 9, data columns 1 to 14.
        EXPECT_EQ(sigma.primo(3, 3).allineamento, "both");
        EXPECT_EQ(sigma.primo(3, 4).allineamento, "right");
        EXPECT_EQ(dati.primo(3, 1).allineamento, "right");
        EXPECT_EQ(dati.primo(3, 14).allineamento, "right");
        EXPECT_EQ(legenda.primo(2, 1).allineamento, "both");
    }
}

} // namespace
