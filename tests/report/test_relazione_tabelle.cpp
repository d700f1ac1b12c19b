// The report's network table and seismic chapter: every row once, in order,
// under its heading and above the page foot; the counted page breaks; the
// alignment of printed numbers; the document's tables and their cells.
#include "supporto/ambienteprogramma.h"
#include "pagine_prova.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "frame/test_valori_locale.h"
#include "office/stampante.h"
#include "office/superficieregistrata.h"
#include "report/contesto.h"
#include "report/frontespizio.h"
#include "report/relazionerete.h"
#include "report/relazionesismica.h"
#include "seismic/campitubo.h"
#include "seismic/sismica.h"
#include "seismic/tabellatubi.h"
#include "seismic/verifica.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QRegularExpression>
#include <cmath>
#include <map>
#include <numeric>

using namespace ModVelmor;
using namespace relazione;
using namespace tubazioni;
using office::ScrittaRegistrata;
using Scritte = std::vector<ScrittaRegistrata>;

namespace {

const QString titoloRete = QStringLiteral("DATI E DIMENSIONAMENTO DELLA RETE");
const QString titoloSismica = QStringLiteral("VERIFICA SISMICA TUBI INTERRATI");
const QString titoloDati = QStringLiteral("Tabella dei dati del calcolo");
const QString intestazioneSigma = QStringLiteral("riferimento della verifica");
const QString intestazioneDati =
    QStringLiteral("pesos   compr    traz    diam   spess    peso   altez   pesot   attr    incr    press    bmin    bmax");
const QString chiusura = QStringLiteral("La presente relazione è composta di n.");

void rete(int n, const QString& tipo)
{
    impostaTipiSuperficie();
    sistema = tipo;
    for (int t = 1; t <= n; ++t) {
        lunghezza[t] = Valore("100");
        dislivello[t] = Valore("1.5");
        portatacollettori[t] = Valore("0");
        abitanti[t] = Valore("300");
        dotazione[t] = Valore("250");
        superficie[t] = Valore("1.2");
        pioggia[t] = Valore("40");
        tiposuperficie[t] = Valore(tipisuperficie[4]);
        coefsuperficie[t] = Valore("0.87");
        pendenza[t] = Valore(" 5.0%");
        coefpendenza[t] = Valore(0);
        numerosuperficie[t] = Valore(4);
        riempimento[t] = Valore(100);
    }
    numerotratti = n;
}

void tubi(int m)
{
    const double numeri[] = {2500, 1000, 1000, 100, 100, 0, 150, 1800, 30, 2, 8, 20, 50}; // pesos to bmax
    for (int j = 1; j <= m; ++j) {
        impostaCampo(campo::riferimento, j, Valore(QStringLiteral("tratto %1").arg(j)));
        impostaCampo(campo::materiale, j, Valore("calcestruzzo"));
        for (int k = campo::pesos; k <= campo::bmax; ++k)
            impostaCampo(k, j, Valore(numeri[k - campo::pesos]));
    }
    numerotubi = Valore(m);
}

// The scritte from the first that begins with `da` to the first after it that begins with `a`.
Scritte tratto(const Scritte& tutte, const QString& da, const QString& a = {})
{
    auto inizio = std::find_if(tutte.begin(), tutte.end(), [&](const auto& s) { return s.testo.startsWith(da); });
    auto fine = std::find_if(inizio, tutte.end(), [&](const auto& s) { return !a.isEmpty() && s.testo.startsWith(a); });
    return Scritte(inizio, fine);
}

int colonnaDi(const ScrittaRegistrata& s)
{
    return int(std::lround(s.x / office::SuperficieRegistrata().misure(s.carattere, s.punti).colonna)) + 1;
}

struct Riga {
    int pagina;
    double y;
    int numero;
};

// A table's rows, by the number " n " at size 8 whose units digit stands in `colonnaUnita`.
std::vector<Riga> righe(const Scritte& scritte, int colonnaUnita)
{
    static const QRegularExpression numero(QStringLiteral("^ (\\d+) $"));
    std::vector<Riga> trovate;
    for (const ScrittaRegistrata& s : scritte)
        if (const auto m = numero.match(s.testo); s.punti == 8 && m.hasMatch())
            if (colonnaDi(s) + m.capturedLength(1) == colonnaUnita)
                trovate.push_back({s.pagina, s.y, m.captured(1).toInt()});
    return trovate;
}

std::vector<int> numeri(const std::vector<Riga>& r)
{
    std::vector<int> n;
    std::transform(r.begin(), r.end(), std::back_inserter(n), [](const Riga& x) { return x.numero; });
    return n;
}

std::vector<int> daUnoA(int n)
{
    std::vector<int> v(static_cast<size_t>(n));
    std::iota(v.begin(), v.end(), 1);
    return v;
}

// Pages whose rows do not stand under the table's heading on that page.
QStringList senzaIntestazione(const Scritte& scritte, const std::vector<Riga>& r, const QString& intestazione)
{
    std::map<int, double> prima;
    for (const Riga& x : r)
        prima.try_emplace(x.pagina, x.y);
    QStringList difetti;
    for (const auto& [pagina, y] : prima)
        if (std::none_of(scritte.begin(), scritte.end(),
                         [&](const auto& s) { return s.pagina == pagina && s.testo == intestazione && s.y < y; }))
            difetti << QString::number(pagina);
    return difetti;
}

class Tabelle : public AmbienteProgramma {
protected:

    static frontespizio& f() { return finestre::forma<frontespizio>(); }

    // The printed report; a complete one is checked page by page.
    static Scritte stampa(bool completa = true)
    {
        f().comestampo[1]->setChecked(true);
        f().stampa_Click();
        const auto* s = dynamic_cast<const office::SuperficieRegistrata*>(doppi::stampa().ultima.get());
        if (!s)
            return {};
        if (completa) {
            EXPECT_EQ(difettiPagine(*s), QStringList());
        }
        return s->scritte();
    }

    lettura::Documento word()
    {
        f().comestampo[2]->setChecked(true);
        return consegnato([] { f().stampa_Click(); });
    }

    // Prints a section on a page far taller than A4 with no lower limit, from
    // page `pagina`: only the section's counted breaks end pages.
    static Scritte suPaginaAlta(void (*sezione)(relazione::Contesto&), int pagina, int* ultimaPagina)
    {
        office::SuperficieRegistrata superficie(QSizeF(12000, 100000));
        office::Stampante p(superficie);
        relazione::Contesto ctx(f().testiRelazione());
        ctx.Printer = &p;
        ctx.caratterecorpo = QStringLiteral("Courier New");
        for (int i = 1; i < pagina; ++i)
            p.NewPage();
        p.CurrentY = 1000;
        sezione(ctx);
        ctx.Printer = nullptr;
        *ultimaPagina = p.Page();
        return superficie.scritte();
    }
};

TEST_F(Tabelle, OgniRigaUnaVoltaSottoLaSuaIntestazione)
{
    struct Caso {
        int tratti;
        const char* sistema;
        int tubi;
    };
    for (const Caso& c : {Caso{10, "misto", 0}, Caso{40, "bianche", 0}, Caso{40, "misto", 0}, Caso{40, "bianche", 1},
                          Caso{40, "misto", 14}, Caso{3, "misto", 15}, Caso{3, "misto", 37}, Caso{500, "nere", 50}}) {
        SCOPED_TRACE(QStringLiteral("%1 tratti %2, %3 tubi").arg(c.tratti).arg(c.sistema).arg(c.tubi).toStdString());
        ripristina();
        rete(c.tratti, c.sistema);
        tubi(c.tubi);
        const Scritte s = stampa();
        const Scritte tabella = tratto(s, titoloRete, c.tubi ? titoloSismica : chiusura);
        const auto r = righe(tabella, 9);
        ASSERT_EQ(numeri(r), daUnoA(c.tratti));
        EXPECT_EQ(senzaIntestazione(tabella, r, intestazioneRete()), QStringList());
        // With pipes the seismic chapter opens the next page.
        const Scritte sismica = tratto(s, titoloSismica);
        ASSERT_EQ(sismica.empty(), c.tubi == 0);
        if (sismica.empty())
            continue;
        EXPECT_EQ(sismica.front().pagina, r.back().pagina + 1);
        EXPECT_EQ(sismica.front().y, 1000);

        // Pipe numbers end in column 8, whatever their digits.
        const Scritte sigma = tratto(s, titoloSismica, titoloDati);
        const Scritte dati = tratto(s, titoloDati, chiusura);
        const auto rs = righe(sigma, 8);
        const auto rd = righe(dati, 8);
        EXPECT_EQ(numeri(rs), daUnoA(c.tubi));
        EXPECT_EQ(numeri(rd), daUnoA(c.tubi));
        EXPECT_EQ(senzaIntestazione(sigma, rs, intestazioneSigma), QStringList());
        EXPECT_EQ(senzaIntestazione(dati, rd, intestazioneDati), QStringList());
        if (c.tubi > tubiStessaPagina || c.tubi == 1) {
            EXPECT_EQ(dati.front().pagina, rs.back().pagina + (c.tubi > tubiStessaPagina));
        }
    }
}

TEST_F(Tabelle, ReteInterrottaDopo40RigheSullaPrimaPaginaE85SulleAltre)
{
    struct Caso {
        int tratti, tubi, primaPagina;
        std::vector<int> ultimaRigaDiPagina; // page by page from the table's first
        int pagineDopo;                      // pages begun after the last row
    };
    const Caso casi[] = {
        {300, 0, 4, {40, 125, 210, 295, 300}, 0}, // the table may begin on any page
        {300, 0, 5, {40, 125, 210, 295, 300}, 0},
        {125, 2, 5, {40, 125}, 1}, // last row ends the page: with pipes the foot alone
        {40, 2, 4, {40}, 1},
        {40, 0, 4, {40}, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(QStringLiteral("%1 tratti, %2 tubi, pagina %3").arg(c.tratti).arg(c.tubi).arg(c.primaPagina)
                         .toStdString());
        ripristina();
        rete(c.tratti, "misto");
        tubi(c.tubi);
        int ultima = 0;
        const Scritte s = suPaginaAlta(reteStampa, c.primaPagina, &ultima);
        const auto r = righe(s, 9);
        ASSERT_EQ(numeri(r), daUnoA(c.tratti));
        std::vector<int> ultime;
        for (const Riga& x : r) {
            ultime.resize(std::max(ultime.size(), size_t(x.pagina - c.primaPagina + 1)));
            ultime[size_t(x.pagina - c.primaPagina)] = x.numero;
        }
        EXPECT_EQ(ultime, c.ultimaRigaDiPagina);
        EXPECT_EQ(senzaIntestazione(s, r, intestazioneRete()), QStringList());
        EXPECT_EQ(ultima - r.back().pagina, c.pagineDopo);
    }
}

TEST_F(Tabelle, AllineateSulleUnitaConIDecimaliDellaColonna)
{
    rete(4, "misto");
    dislivello[1] = Valore("-1.5");
    pendenza[2] = Valore("18.5%");
    coefpendenza[2] = Valore(0.09);
    dislivello[3] = Valore("12.25");
    pendenza[4] = Valore("18.5%"); // the last class, held with the same limit
    coefpendenza[4] = Valore(0.1);
    tubi(4);
    const double valori[] = {123.45, 7.5, -7.5, 0.5};
    for (int j = 1; j <= 4; ++j)
        impostaCampo(campo::incr, j, Valore(valori[j - 1]));
    const Scritte stampate = stampa();
    const Scritte tabella = tratto(stampate, titoloRete, titoloSismica);
    const auto r = righe(tabella, 9);
    ASSERT_EQ(r.size(), 4u);
    const auto colonna = [&](int tratto, const QString& testo) {
        for (const ScrittaRegistrata& s : tabella)
            if (s.pagina == r[size_t(tratto - 1)].pagina && s.y == r[size_t(tratto - 1)].y && s.testo == testo)
                return colonnaDi(s);
        return 0;
    };
    // Typed or computed, a value has its units digit on the anchor (23) and
    // the column's two decimals; a minus sign stands in front.
    EXPECT_EQ(colonna(3, "12.25"), 22);
    EXPECT_EQ(colonna(2, "1.50"), 23);
    EXPECT_EQ(colonna(1, "-1.50"), 22);
    // The slope class cut to its limit, from column 32; the last class told from the one below.
    EXPECT_EQ(colonna(1, " 5.0"), 32);
    EXPECT_EQ(colonna(2, "18.5"), 32);
    EXPECT_EQ(colonna(4, ">18.5"), 32);
    EXPECT_EQ(colonna(1, "100"), 111);

    // Numbers of the pipes' "incr", anchored at 85: separators on 86, a zero
    // in front of one between -1 and 1.
    std::vector<int> separatori;
    for (const QString testo : {"123.45", "7.5", "-7.5", "0.5"})
        for (const ScrittaRegistrata& s : tratto(stampate, titoloDati))
            if (s.testo == testo)
                separatori.push_back(colonnaDi(s) + int(testo.indexOf('.')));
    EXPECT_EQ(separatori, (std::vector<int>{86, 86, 86, 86}));
}

// A printed row's faults: values on more than one line, two values with no
// blank between them, a point where the locale writes a comma.
QStringList difettiRiga(const Scritte& riga)
{
    QStringList difetti;
    for (std::size_t k = 0; k < riga.size(); ++k) {
        if (riga[k].y != riga.front().y || riga[k].pagina != riga.front().pagina)
            difetti << QStringLiteral("\"%1\" su un'altra riga").arg(riga[k].testo);
        if (k > 0 && colonnaDi(riga[k]) < colonnaDi(riga[k - 1]) + riga[k - 1].testo.size() + 1)
            difetti << QStringLiteral("\"%1\" tocca \"%2\"").arg(riga[k - 1].testo, riga[k].testo);
        if (riga[k].testo.contains(u'.'))
            difetti << QStringLiteral("\"%1\" col punto").arg(riga[k].testo);
    }
    return difetti;
}

TEST_F(Tabelle, LaRigaPiuLargaStaSuUnaRigaConUnoSpazioTraIValori)
{
    const LocaleFissato locale(italiano());
    rete(1, "misto");
    lunghezza[1] = Valore("9999.99");
    dislivello[1] = Valore("-999.99");
    numerosuperficie[1] = Valore(10);
    pendenza[1] = Valore("18.5%");
    coefpendenza[1] = Valore(0.1);
    pioggia[1] = Valore("999.5"); // a 3-digit rain with decimals before a typed area
    superficie[1] = Valore("999.62");
    dotazione[1] = Valore("9999");
    abitanti[1] = Valore("99999");
    portatacollettori[1] = Valore("9999.9");
    portatanera[1] = Valore(9999.99);
    portatapioggia[1] = Valore(99999.99);
    portatatotale[1] = Valore(99999.99);
    diametro[1] = Valore(500);
    velocita[1] = Valore(99.99);
    riempimento[1] = Valore(100);
    tubi(1);
    impostaCampo(campo::riferimento, 1, Valore("collettore di via dei Mille"));
    impostaCampo(campo::materiale, 1, Valore("calcestruzzo armato"));
    const double sigma4[] = {1234.5, -1234.56, 9999.99, -9999.99};
    for (int lato : {1, 2}) {
        sigmasuperiore[lato][1] = Valore(sigma4[lato - 1]);
        sigmamediana[lato][1] = Valore(sigma4[lato + 1]);
        sigmainferiore[lato][1] = Valore(sigma4[lato - 1]);
    }
    struct Caso {
        void (*sezione)(relazione::Contesto&);
        QString dopo; // the row follows this text
        std::size_t valori;
    };
    for (const Caso& c : {Caso{reteStampa, QStringLiteral("  n.     m."), 16},
                          Caso{sismicaStampa, QStringLiteral("kg/cmq  kg/cmq"), 9}}) {
        int ultima = 0;
        const Scritte s = suPaginaAlta(c.sezione, 1, &ultima);
        const Scritte dopo = tratto(s, c.dopo);
        ASSERT_GT(dopo.size(), c.valori);
        const Scritte riga(dopo.begin() + 1, dopo.begin() + 1 + std::ptrdiff_t(c.valori));
        SCOPED_TRACE(riga.front().testo.toStdString());
        EXPECT_EQ(difettiRiga(riga), QStringList());
        EXPECT_NE(dopo[c.valori + 1].y, riga.front().y); // nothing more on the row
    }
}

TEST_F(Tabelle, LettereDoveSiAllineaSullaParteInteraFermanoLaStampaDicendolo)
{
    // The network check already stops on a value that is not a number, naming the segment:
    // nothing is printed.
    rete(3, "misto");
    pioggia[2] = Valore("forte");
    EXPECT_TRUE(stampa(false).empty());
    EXPECT_EQ(doppi::stampa().richieste, 0);
    ASSERT_FALSE(doppi::messaggi().visti.empty());
    EXPECT_TRUE(doppi::messaggi().visti.back().testo.startsWith("Tratto n. 2"));
}

TEST_F(Tabelle, CelleDelTrattoConGliSchemi)
{
    const LocaleFissato locale(italiano());
    lunghezza[7] = Valore("12.345"); // its 15-digit form ends in 5: half away from zero
    dislivello[7] = Valore("-1.5");
    numerosuperficie[7] = Valore(4);
    pendenza[7] = Valore("18.5%"); // not a number: the pattern passes it
    pioggia[7] = Valore("40");
    superficie[7] = Valore("abc"); // leading number 0
    dotazione[7] = Valore("250");
    abitanti[7] = Valore("300");
    portatacollettori[7] = Valore("2.25 l/s");
    portatanera[7] = Valore(0.5);
    portatapioggia[7] = Valore(1234.56);
    velocita[7] = Valore(1.2345);
    diametro[7] = Valore(40);
    riempimento[7] = Valore(100);
    EXPECT_EQ(celleTratto(7), QStringList({"7", "12,35", "-1,50", "4", "18,5%", "40", "0,00", "250", "300", "2,3",
                                           "0,5", "1234,6", "", "40", "1,23", "100"}));
}

TEST_F(Tabelle, NelDocumento)
{
    struct Caso {
        int tratti, tubi, tabelle;
    };
    for (const Caso& c : {Caso{10, 0, 1}, Caso{25, 0, 1}, Caso{26, 1, 2}, Caso{500, 50, 10}}) {
        SCOPED_TRACE(QStringLiteral("%1 tratti, %2 tubi").arg(c.tratti).arg(c.tubi).toStdString());
        ripristina();
        rete(c.tratti, "nere"); // the network legend is the first table
        tubi(c.tubi);
        if (c.tubi)
            impostaCampo(campo::incr, c.tubi, Valore(1.5));
        const lettura::Documento d = word();
        ASSERT_EQ(d.tabelle.size(), 1 + c.tabelle + (c.tubi ? 3 : 0));
        EXPECT_EQ(d.tabelle[0].righe.size(), 17);
        int tratto = 1;
        for (int t = 1; t <= c.tabelle; ++t) {
            const lettura::Tabella& tab = d.tabelle[t];
            ASSERT_EQ(tab.righe.size(), t == 1 ? 27 : 59);
            EXPECT_EQ(tab.testo(2, 6), "mm/h");
            for (int r = 3; r <= int(tab.righe.size()); ++r, ++tratto)
                EXPECT_EQ(tab.testo(r, 1), tratto <= c.tratti ? QString::number(tratto) : QString()) << r;
            for (int col = 1; col <= 16; ++col) // the end pass found it
                EXPECT_EQ(tab.primo(3, col).allineamento, "right") << t << " " << col;
        }
        // After each table its new current paragraph; then ten empty
        // paragraphs before the next one, or nine before the seismic chapter,
        // which opens with a new paragraph of its own.
        const auto vuotiDopo = [&d](int tabella) {
            int vuoti = 0;
            for (auto i = d.ordine.indexOf(QStringLiteral("T:%1").arg(tabella)) + 1;
                 i < d.ordine.size() && d.ordine[i] == "P:"; ++i)
                ++vuoti;
            return vuoti;
        };
        for (int t = 1; t < c.tabelle; ++t)
            EXPECT_EQ(vuotiDopo(t), 1 + 10);
        if (!c.tubi)
            continue;
        EXPECT_EQ(vuotiDopo(c.tabelle), 1 + 9 + 1);

        // The seismic legend, stresses and data.
        const lettura::Tabella &legenda = d.tabelle[c.tabelle + 1], &sigma = d.tabelle[c.tabelle + 2],
                               &dati = d.tabelle[c.tabelle + 3];
        EXPECT_EQ(legenda.righe.size(), 20);
        ASSERT_EQ(sigma.righe.size(), c.tubi + 2);
        ASSERT_EQ(dati.righe.size(), c.tubi + 2);
        for (int j = 1; j <= c.tubi; ++j) {
            EXPECT_EQ(sigma.testo(j + 2, 2), QStringLiteral("tratto %1").arg(j));
            EXPECT_FALSE(sigma.testo(j + 2, 9).isEmpty());
            EXPECT_EQ(dati.testo(j + 2, 1), QString::number(j));
        }
        EXPECT_EQ(dati.testo(c.tubi + 2, 11), "1.5");
        // The end pass found them: stress columns 4 to 9, data columns 1 to 14; the headings of
        // the text columns are not justified.
        EXPECT_EQ(legenda.primo(2, 1).allineamento, "both");
        for (int col : {2, 3})
            EXPECT_NE(sigma.primo(1, col).allineamento, "both") << col;
        EXPECT_EQ(sigma.primo(3, 3).allineamento, "both");
        EXPECT_EQ(sigma.primo(3, 4).allineamento, "right");
        EXPECT_EQ(dati.primo(3, 1).allineamento, "right");
        EXPECT_EQ(dati.primo(3, 14).allineamento, "right");
    }
}

TEST_F(Tabelle, SismicaInterrottaDopo37Righe)
{
    struct Caso {
        int tubi, paginaRiga38, paginaDati; // from the chapter's first page
    };
    // With 37 pipes the repeated heading stands alone on its page.
    for (const Caso& c : {Caso{14, 0, 0}, Caso{15, 0, 1}, Caso{37, 0, 2}, Caso{50, 1, 2}}) {
        SCOPED_TRACE(QStringLiteral("%1 tubi").arg(c.tubi).toStdString());
        ripristina();
        tubi(c.tubi);
        int ultima = 0;
        const Scritte s = suPaginaAlta(sismicaStampa, 3, &ultima);
        const Scritte sigma = tratto(s, titoloSismica, titoloDati);
        const auto r = righe(sigma, 8);
        ASSERT_EQ(numeri(r), daUnoA(c.tubi));
        EXPECT_EQ(senzaIntestazione(sigma, r, intestazioneSigma), QStringList());
        for (const Riga& x : r)
            EXPECT_EQ(x.pagina - 3, x.numero <= 37 ? 0 : c.paginaRiga38) << x.numero;
        EXPECT_EQ(tratto(s, titoloDati).front().pagina - 3, c.paginaDati);
    }
}

} // namespace

TEST_F(Tabelle, UnTuboNonVerificatoNonECertificatoNelleDueRese)
{
    const QString tuttiMinori = QStringLiteral("tutti non superiori a quelli massimi ammissibili");
    const QString nonSuperano = QStringLiteral("non superano la verifica");
    struct Caso {
        double traz2; // tensile strength of pipe 2; the others keep 1000
        QStringList nominati;
    };
    for (const Caso& c : {Caso{1000, {}}, Caso{1, {QStringLiteral("tubo n. 2 (tratto 2) non verificato: s")}}}) {
        SCOPED_TRACE(c.traz2);
        ripristina();
        rete(3, "bianche");
        tubi(3);
        impostaCampo(campo::traz, 2, Valore(c.traz2));

        // On paper and in the document alike: the failed pipe named, and no claim that all passed.
        QStringList stampati, paragrafi;
        for (const ScrittaRegistrata& s : stampa())
            stampati << s.testo;
        const lettura::Documento d = word();
        for (const lettura::Paragrafo& p : d.paragrafi)
            paragrafi << p.testo();
        for (const QStringList& testi : {stampati, paragrafi}) {
            QStringList nominati;
            for (const QString& s : testi)
                if (s.startsWith(QStringLiteral("tubo n.")))
                    nominati << s.left(38);
            const QString testo = testi.join(u' ').simplified();
            EXPECT_EQ(nominati, c.nominati);
            EXPECT_EQ(testo.contains(tuttiMinori), c.nominati.isEmpty());
            EXPECT_EQ(testo.contains(nonSuperano), !c.nominati.isEmpty());
        }
    }
}

TEST_F(Tabelle, NelDocumentoLeIntestazioniSiRipetonoELeRigheNonSiSpezzano)
{
    rete(30, "nere"); // the legend, two network tables
    tubi(2);
    const lettura::Documento d = word();
    const QByteArray xml = d.parti.value(QStringLiteral("word/document.xml"));
    int righe = 0;
    for (const lettura::Tabella& t : d.tabelle)
        righe += int(t.righe.size());
    // Heading rows: 1 for the two legends, 2 (codes and units) for the data tables.
    EXPECT_EQ(xml.count("<w:tblHeader/>"), 1 + 2 * 2 + 1 + 2 * 2);
    EXPECT_EQ(xml.count("<w:cantSplit/>"), righe);
}

namespace {

// The row of pipe `tubo` in the printed stress table: its number's line, the lines after it up
// to the next row's (or the end of the table).
Scritte rigaTubo(const Scritte& sigma, int tubo, int tubi)
{
    const auto r = righe(sigma, 8);
    const auto inizio = std::find_if(sigma.begin(), sigma.end(), [&](const auto& s) {
        return s.pagina == r[size_t(tubo - 1)].pagina && s.y == r[size_t(tubo - 1)].y;
    });
    auto fine = sigma.end();
    if (tubo < tubi)
        fine = std::find_if(inizio, sigma.end(), [&](const auto& s) {
            return s.pagina == r[size_t(tubo)].pagina && s.y == r[size_t(tubo)].y;
        });
    else
        fine = std::find_if(inizio, sigma.end(), [](const auto& s) { return s.testo.startsWith(QStringLiteral("pagina")) || s.punti != 8; });
    return Scritte(inizio, fine);
}

// Typed texts of any length keep to their columns in the stress table: on paper they wrap within
// the column, the row growing, and every stress stays in its own column inside the page; in the
// document the cell holds the whole text and the table keeps within the page's width.
TEST_F(Tabelle, UnTestoLungoStaNellaSuaColonna)
{
    const QString parole = QStringLiteral("collettore principale via Tiburtina tratto ");
    struct Caso {
        int riferimento, materiale;
        bool senzaSpazi = false; // one word as long as the text
    };
    // The window holds these texts to lunghezzaTestoTubo characters; a file may hold longer ones.
    constexpr int finestra = tubazioni::lunghezzaTestoTubo;
    for (const Caso& c : {Caso{30, 24}, Caso{finestra, finestra}, Caso{64, 27}, Caso{200, 200},
                          Caso{200, finestra, true}}) {
        const auto lungo = [&](int n) {
            const QString t = parole.repeated(10).left(n).trimmed();
            return c.senzaSpazi ? QString(t).replace(u' ', u'_') : t;
        };
        SCOPED_TRACE(QStringLiteral("%1/%2").arg(c.riferimento).arg(c.materiale).toStdString());
        ripristina();
        rete(3, "misto");
        tubi(3);
        const QString riferimento = lungo(c.riferimento);
        const QString materiale = c.senzaSpazi ? lungo(c.materiale) : QStringLiteral("gres ceramico ") + lungo(c.materiale - 14);
        impostaCampo(campo::riferimento, 2, Valore(riferimento));
        impostaCampo(campo::materiale, 2, Valore(materiale));

        const Scritte s = stampa(); // nothing past the right margin, as every printed report here
        const Scritte sigma = tratto(s, titoloSismica, titoloDati);
        const auto r = righe(sigma, 8);
        ASSERT_EQ(numeri(r), daUnoA(3));
        const Scritte riga = rigaTubo(sigma, 2, 3);
        QStringList colonna11, colonna42, stress;
        for (const ScrittaRegistrata& w : riga) {
            if (colonnaDi(w) == 11)
                colonna11 << w.testo;
            else if (colonnaDi(w) == 42)
                colonna42 << w.testo;
            else if (w.y == r[1].y && colonnaDi(w) > 42)
                stress << QString::number(colonnaDi(w) + w.testo.indexOf(u'.'));
        }
        EXPECT_EQ(colonna11.join(c.senzaSpazi ? QString() : QStringLiteral(" ")), riferimento);
        EXPECT_EQ(colonna42.join(c.senzaSpazi ? QString() : QStringLiteral(" ")), materiale);
        for (const QString& t : colonna11 + colonna42)
            EXPECT_LE(t.size(), t == colonna11.value(0) || colonna11.contains(t) ? 30 : 24) << qPrintable(t);
        // Each stress's separator one column right of its anchor.
        EXPECT_EQ(stress, (QStringList{"72", "80", "88", "96", "104", "112"}));

        const lettura::Documento d = word();
        const lettura::Tabella& tabella = d.tabelle[d.tabelle.size() - 2];
        EXPECT_EQ(tabella.testo(4, 2), riferimento);
        EXPECT_EQ(tabella.testo(4, 3), materiale);
        EXPECT_LE(std::accumulate(tabella.larghezze.begin(), tabella.larghezze.end(), 0), 11906 - 2 * 1134);
    }
}

// A stress equal to its allowable stress passes in the window and in the report alike, by the
// one rule of both; just above it, both fail, and the report's line gives both numbers with
// their unit and never writes the limit as equal to the stress. The legends of both renderings
// call the limits allowable stresses, as the window does.
TEST_F(Tabelle, AlLimiteFinestraERelazioneDannoLoStessoVerdetto)
{
    struct Caso {
        double sottoIlSigma; // the allowable compression: the stress of scs less this
        bool verificato;
    };
    for (const Caso& c : {Caso{0, true}, Caso{0.005, false}, Caso{0.01, false}}) {
        SCOPED_TRACE(c.sottoIlSigma);
        ripristina();
        const LocaleFissato locale(italiano());
        rete(3, "bianche");
        tubi(1);
        ASSERT_TRUE(ricalcolaTubo(1));
        // The greatest compression of the three sections is the one at the limit.
        const std::pair<const char*, double> compressioni[] = {{"scs", sigmasuperiore[1][1].numero()},
                                                               {"scm", sigmamediana[1][1].numero()},
                                                               {"sci", sigmainferiore[1][1].numero()}};
        const auto [codice, scs] = *std::max_element(std::begin(compressioni), std::end(compressioni),
                                                      [](const auto& a, const auto& b) { return a.second < b.second; });
        const double ammissibile = scs - c.sottoIlSigma;
        impostaCampo(campo::compr, 1, Valore(ammissibile));

        sismica& finestra = finestre::forma<sismica>();
        finestra.VScroll1->setValue(1);
        finestra.VScroll1_Change();
        EXPECT_EQ(finestra.esito->text(), c.verificato ? "verificato" : "non verificato");

        const QString sigma = QLocale().toString(scs, 'f', 2);
        const QString limite = c.sottoIlSigma == 0.005 ? QLocale().toString(ammissibile, 'f', 3) : QLocale().toString(ammissibile, 'f', 2);
        const QString frase = QStringLiteral("tubo n. 1 (tratto 1) non verificato: %1 = %2 kg/cmq oltre il massimo "
                                             "ammissibile di %3 kg/cmq.").arg(QString::fromUtf8(codice), sigma, limite);
        QStringList stampati, paragrafi;
        for (const ScrittaRegistrata& w : stampa())
            stampati << w.testo;
        const lettura::Documento d = word();
        for (const lettura::Paragrafo& p : d.paragrafi)
            paragrafi << p.testo();
        QStringList legenda; // the document's seismic legend
        for (int r = 1; r <= int(d.tabelle[d.tabelle.size() - 3].righe.size()); ++r)
            legenda << d.tabelle[d.tabelle.size() - 3].testo(r, 2);
        // The legend names the allowable stresses the window asks for, not the strengths.
        for (const QStringList& testi : {stampati, paragrafi + legenda}) {
            const QString testo = testi.join(u' ').simplified();
            EXPECT_FALSE(testo.contains(QStringLiteral("resistenza a ")));
            EXPECT_EQ(testo.contains(frase), !c.verificato) << qPrintable(frase);
            EXPECT_EQ(testo.contains(QStringLiteral("non superiori a quelli massimi ammissibili")), c.verificato);
            EXPECT_FALSE(testo.contains(QStringLiteral("minori di quelli massimi")));
        }
    }
    EXPECT_FALSE(tubazioni::sigmaAmmesso(std::nan(""), 30)); // a stress not computed never passes
}

// A list of failing pipes that runs over a page end goes on under a short heading again.
TEST_F(Tabelle, LaListaDeiTubiNonVerificatiHaLaSuaIntestazioneOgniPagina)
{
    rete(3, "misto");
    tubi(36);
    for (int j = 1; j <= 36; ++j)
        impostaCampo(campo::traz, j, Valore(0.5)); // every pipe fails in tension
    const Scritte s = stampa();
    std::map<int, QStringList> perPagina;
    for (const ScrittaRegistrata& w : tratto(s, QStringLiteral("Tubi non verificati"), titoloDati))
        if (!w.testo.startsWith(QStringLiteral("pagina")))
            perPagina[w.pagina] << w.testo;
    ASSERT_GE(perPagina.size(), 2u);
    for (const auto& [pagina, testi] : perPagina)
        EXPECT_TRUE(testi.front().startsWith(QStringLiteral("Tubi non verificati"))) << pagina << qPrintable(testi.front());
}

// The list of surface types in the network legend: a blank between each name and its
// coefficient, written with the locale's separator.
TEST_F(Tabelle, NellaLegendaOgniCoefficienteStaccatoDalSuoNome)
{
    for (const QLocale& locale : {italiano(), localeC()}) {
        SCOPED_TRACE(locale.name().toStdString());
        const LocaleFissato fissato(locale);
        ripristina();
        rete(3, "misto");
        int ultima = 0;
        const Scritte s = suPaginaAlta(reteStampa, 1, &ultima);
        for (int k = 1; k <= 10; ++k) {
            const QString nome = QStringLiteral("= ") + tipisuperficie[k];
            const auto n = std::find_if(s.begin(), s.end(), [&](const auto& w) { return w.testo == nome; });
            ASSERT_NE(n, s.end()) << k;
            const auto c = std::find_if(s.begin(), s.end(), [&](const auto& w) { return w.y == n->y && colonnaDi(w) > colonnaDi(*n); });
            ASSERT_NE(c, s.end()) << k;
            EXPECT_EQ(c->testo, locale.toString(coefficientisuperficie[k], 'f', 2));
            EXPECT_GE(colonnaDi(*c), colonnaDi(*n) + nome.size() + 1) << qPrintable(nome);
        }
    }
}

// A value typed longer than its column in the network table goes on on the lines below, in its
// column: nothing passes the page's right edge, nothing is lost.
TEST_F(Tabelle, NellaTabellaDellaReteUnValoreLungoVaACapo)
{
    const LocaleFissato locale(localeC());
    rete(3, "misto");
    const QString pioggia2 = QStringLiteral("40.000000000000000000000001");
    const QString abitanti2 = QStringLiteral("00000000000000000000000300");
    pioggia[2] = Valore(pioggia2);
    abitanti[2] = Valore(abitanti2);
    const Scritte s = stampa(); // nothing past the right margin, as every printed report here
    ASSERT_TRUE(doppi::messaggi().visti.empty());
    const Scritte tabella = tratto(s, titoloRete, chiusura);
    const auto r = righe(tabella, 9);
    ASSERT_EQ(numeri(r), daUnoA(3));
    std::map<int, QString> colonne; // segment 2's lines, column by column
    for (const ScrittaRegistrata& w : tabella)
        if (w.pagina == r[1].pagina && w.y >= r[1].y && w.y < r[2].y)
            colonne[colonnaDi(w)] += w.testo;
    QStringList valori;
    for (const auto& [colonna, testo] : colonne)
        valori << testo;
    EXPECT_TRUE(valori.contains(pioggia2)) << qPrintable(valori.join('|'));
    EXPECT_TRUE(valori.contains(abitanti2)) << qPrintable(valori.join('|'));
    EXPECT_GT(r[2].y - r[1].y, r[1].y - r[0].y); // the row grew
}

} // namespace
