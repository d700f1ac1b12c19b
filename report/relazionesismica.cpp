#include "report/relazionesismica.h"

#include "frame/ModVelmor.h"
#include "office/applicazione.h"
#include "office/formastampa.h"
#include "office/stampante.h"
#include "report/capoverso.h"
#include "report/contesto.h"
#include "report/relazionetabelle.h"
#include "report/relazioneword.h"
#include "seismic/campitubo.h"
#include "seismic/tabellatubi.h"
#include "seismic/verifica.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace relazione {

using namespace office;
namespace campo = tubazioni::campo;
using tubazioni::descrizioneCampo;
using tubazioni::numeroTubi;
using tubazioni::valoreCampo;

namespace {

constexpr int colonnaSismica = 8;
constexpr int colonnaRiferimento = 11;
constexpr int colonnaMateriale = 42;
constexpr int colonnaUnitaSigma = 70;
constexpr int colonnaDati = 11;
// The pipe number's last digit stands under the "n" of "n.".
constexpr int ancoraNumero = 9;
constexpr int larghezzaCodice = 6;
constexpr int paragrafiDopoTesto = 2;

// The six working stresses in print order: code, printer legend line, meaning
// in the document, array and side.
struct Sigma {
    const char* codice;
    const char* rigaStampa;
    const char* significato;
    std::array<ModVelmor::Tubi, 3>* valori;
    int lato;
    int ancora;
};

const std::array<Sigma, 6>& sigma()
{
    using namespace ModVelmor;
    static const std::array<Sigma, 6> elenco = {{
        {"scs", "scs   = sigma di lavoro a compressione (sez. tubo verticale superiore",
         "sigma di lavoro a compressione (sez. tubo verticale superiore)", &sigmasuperiore, 1, 71},
        {"sts", "sts   =  ''   ''   ''   a trazione      ''    ''     ''        ''    ",
         "sigma di lavoro a trazione (sez. tubo verticale superiore)", &sigmasuperiore, 2, 79},
        {"scm", "scm   =  ''   ''   ''   a compressione  ''    ''  orizzontale mediana",
         "sigma di lavoro a compressione (sez. tubo orizzontale mediana)", &sigmamediana, 1, 87},
        {"stm", "stm   =  ''   ''   ''   a trazione      ''    ''     ''        ''    ",
         "sigma di lavoro a trazione (sez. tubo orizzontale mediana)", &sigmamediana, 2, 95},
        {"sci", "sci   =  ''   ''   ''   a compressione  ''    ''  verticale inferiore",
         "sigma di lavoro a compressione (sez. tubo verticale inferiore)", &sigmainferiore, 1, 103},
        {"sti", "sti   =  ''   ''   ''   a trazione      ''    ''     ''        ''    ",
         "sigma di lavoro a trazione (sez. tubo verticale inferiore)", &sigmainferiore, 2, 111},
    }};
    return elenco;
}

// The thirteen numeric fields of a pipe (pesos to bmax): meaning in the
// legend, anchor in the printed data table, unit in the document's table.
struct Dato {
    int campo;
    const char* significato;
    int ancora;
    const char* unita;
};

const std::array<Dato, 13>& datiTubo()
{
    static const std::array<Dato, 13> elenco = {{
        {campo::pesos, "peso specifico del tubo", 15, "kg/mc"},
        {campo::compr, "tensione ammissibile a compressione del materiale del tubo", 23, "kg/cmq"},
        {campo::traz, "tensione ammissibile a trazione del materiale del tubo", 30, "kg/cmq"},
        {campo::diam, "diametro del tubo", 38, "cm"},
        {campo::spess, "spessore del tubo", 45, "mm"},
        {campo::peso, "peso del tubo a metro lineare", 54, "kg/ml"},
        {campo::altez, "altezza del terrapieno", 62, "cm"},
        {campo::pesot, "peso specifico del terrapieno", 71, "kg/mc"},
        {campo::attr, "angolo di attrito del terrapieno", 77, "gradi"},
        {campo::incr, "incremento sismico verticale", 85, ""},
        {campo::press, "pressione della ruota di un camion sulla strada", 93, "tonn."},
        {campo::bmin, "impronta della base minore della ruota sulla strada", 102, "cm"},
        {campo::bmax, "impronta della base maggiore della ruota sulla strada", 110, "cm"},
    }};
    return elenco;
}

QString testo(const char* s) { return QString::fromUtf8(s); }

// A working stress as both tables write it: two decimals, the locale's separator.
QString testoSigma(const Valore& v) { return testoTabella(v, QStringLiteral("0.00")); }
QString codice(int numeroCampo) { return testo(descrizioneCampo(numeroCampo).nome); }

const char* const righeTesto[] = {
    "La verifica sismica dei tubi viene eseguita utilizzando le formule",
    "contenute nel D.M. 23/02/1971 n.2445 riguardanti i tubi interrati.",
    "Per tener conto dell'incremento sismico nelle sollecitazioni si  è",
    "assunto tale valore in base alle prescrizioni di cui al punto B.4.",
    "del D.M. 16 gennaio 1996 (Norme tecniche  per  le  costruzioni  in",
    "zone sismiche). Poichè il calcolo viene eseguito secondo l'analisi",
    "statica si è valutato m = 2, salvo quanto riportato nella seguente",
};
// The text's end when every pipe passes, and when some do not. Every pipe of
// the table is shown, passed or not; a stress equal to its allowable one
// passes, so the passing ones are "not above" it, not "below" it.
const char* const fineTuttiVerificati =
    "tabella dei dati. Per ciascun tubo della tabella sono esposti tutti i sigma di lavoro ottenuti secondo "
    "le formule sopraindicate, tutti non superiori a quelli massimi ammissibili per il tipo di materiale "
    "utilizzato.";
const char* const fineNonVerificati =
    "tabella dei dati. Per ciascun tubo della tabella sono esposti tutti i sigma di lavoro ottenuti secondo "
    "le formule sopraindicate; i tubi elencati sotto la tabella dei sigma di lavoro non superano la verifica, "
    "perché in ciascuno di essi almeno un sigma di lavoro supera quello massimo ammissibile per il tipo di "
    "materiale utilizzato.";
// How wide a printed line naming a failing pipe may run, at the tables' size.
constexpr int larghezzaNonVerificato = 104;
constexpr int rientroNonVerificato = 3;

const char* const paragrafoDecreto =
    "La verifica sismica dei tubi viene eseguita utilizzando le formule contenute nel D.M. 23/02/1971 n.2445 "
    "riguardanti i tubi interrati.";
const char* const paragrafoIncremento =
    "Per tener conto dell'incremento sismico nelle sollecitazioni si è assunto tale valore in base alle "
    "prescrizioni di cui al punto B.4. del D.M. 16 gennaio 1996 (Norme tecniche per le costruzioni in zone "
    "sismiche). Poiché il calcolo viene eseguito secondo l'analisi statica si è valutato m = 2, salvo quanto "
    "riportato nella seguente";

QString fineTesto(bool tuttiVerificati) { return testo(tuttiVerificati ? fineTuttiVerificati : fineNonVerificati); }

QString paragrafoSigma(bool tuttiVerificati)
{
    return testo(paragrafoIncremento) + u' ' + fineTesto(tuttiVerificati);
}

// An allowable stress as the failing-pipe line gives it: two decimals, or
// all of its own when it has more, so that a stress just above it never
// reads as equal to it.
QString testoAmmissibile(double ammissibile)
{
    const Valore v(ammissibile);
    const QString due = testoSigma(v);
    return std::round(ammissibile * 100) / 100 == ammissibile ? due : testoCella(v);
}

// The failing pipes after the stress table, one or more lines each, under a
// short heading that a page end repeats; the heading keeps its first pipe.
void stampaNonVerificati(Contesto& ctx)
{
    const auto falliti = tubiNonVerificati();
    if (falliti.empty())
        return;
    Stampante& p = *ctx.Printer;
    const QString titolo = QStringLiteral("Tubi non verificati:");
    p.Print();
    if (!staNellaPagina(p, 3 * p.TextHeight()))
        piedeTabella(ctx);
    p.Print({Colonna(colonnaSismica), Testo(titolo)});
    const ContinuazioneTabella continuazione(ctx, [&ctx, &titolo] {
        piedeTabella(ctx);
        ctx.Printer->Print({Colonna(colonnaSismica), Testo(titolo.chopped(1) + QStringLiteral(" (segue):"))});
    });
    // A pipe's further lines stand three columns in.
    for (const TuboNonVerificato& t : falliti) {
        const QStringList righe = righeEntro(fraseNonVerificato(t), larghezzaNonVerificato - rientroNonVerificato);
        for (qsizetype k = 0; k < righe.size(); ++k)
            p.Print({Colonna(colonnaSismica + (k > 0 ? rientroNonVerificato : 0)), Testo(righe[k])});
    }
}

const char* const unitaSigma = "kg/cmq  kg/cmq  kg/cmq  kg/cmq  kg/cmq  kg/cmq";
const char* const intestazioneDati =
    "pesos   compr    traz    diam   spess    peso   altez   pesot   attr    incr    press    bmin    bmax";
const char* const unitaDati =
    "kg/mc   kg/cmq  kg/cmq    cm     mm      kg/ml   cm     kg/mc   gradi           tonn.     cm      cm";

// The pipe number, its last digit in the column of the "n" of "n.".
Posto numeroTubo(int j)
{
    return {ancoraNumero - 1 - int(QString::number(j).size()), formaStampa(j)};
}

void intestazioneSigma(Stampante& p)
{
    p.Print();
    std::vector<Voce> riga = {Colonna(colonnaSismica), Testo(QStringLiteral("n.")), Colonna(colonnaRiferimento),
                              Testo(QStringLiteral("riferimento della verifica")), Colonna(colonnaMateriale),
                              Testo(QStringLiteral("materiale delle tubazioni"))};
    for (const Sigma& s : sigma()) {
        riga.push_back(Colonna(s.ancora));
        riga.push_back(Testo(testo(s.codice)));
    }
    p.Print(riga);
    p.Print({Colonna(colonnaUnitaSigma), Testo(testo(unitaSigma))});
    p.Print();
}

void intestazioneDatiTubi(Stampante& p)
{
    p.Print({Colonna(colonnaDati), Testo(testo(intestazioneDati))});
    p.Print({Colonna(colonnaSismica), Testo(QStringLiteral("n.")), Colonna(colonnaDati), Testo(testo(unitaDati))});
    p.Print();
}

// A pipe's row: the number, the reference and the material on as many lines
// as their columns need, the stresses on the first. A row that would not fit
// above the page foot starts the next page, under the heading again.
void rigaSigma(Contesto& ctx, int j)
{
    Stampante& p = *ctx.Printer;
    std::vector<Posto> riga = {numeroTubo(j),
                               {colonnaRiferimento, valoreCampo(campo::riferimento, j).testo(), larghezzaRiferimento},
                               {colonnaMateriale, valoreCampo(campo::materiale, j).testo(), larghezzaMateriale}};
    for (const Sigma& s : sigma()) {
        const QString t = testoSigma((*s.valori)[s.lato][j]);
        riga.push_back({inizioAllineato(s.ancora, t), t});
    }
    const auto linee = righeSenzaContatti(riga);
    if (linee.size() > 1 && !staNellaPagina(p, double(linee.size()) * p.TextHeight()) && ctx.continuaTabella)
        ctx.continuaTabella();
    for (const auto& linea : linee)
        p.Print(linea);
}

void rigaDati(Stampante& p, int j)
{
    std::vector<Posto> riga = {numeroTubo(j)};
    for (const Dato& d : datiTubo()) {
        const QString t = testoTabella(valoreCampo(d.campo, j));
        riga.push_back({inizioAllineato(d.ancora, t), t});
    }
    p.Print(rigaSenzaContatti(riga));
}

// The stress table's own page end: the foot, a new page, the heading again.
void continuaSigma(Contesto& ctx)
{
    piedeTabella(ctx);
    intestazioneSigma(*ctx.Printer);
    ModVelmor::righestampate = 0;
}

void continuaDati(Contesto& ctx)
{
    piedeTabella(ctx);
    intestazioneDatiTubi(*ctx.Printer);
}

void tabellaSigmaStampa(Contesto& ctx)
{
    Stampante& p = *ctx.Printer;
    p.Print({Colonna(colonnaSismica), Testo(QStringLiteral("Tabella dei sigma di lavoro"))});
    p.FontSize = dimensioneTabelle;
    intestazioneSigma(p);
    ModVelmor::righestampate = 0;
    const ContinuazioneTabella continuazione(ctx, [&ctx] { continuaSigma(ctx); });
    for (int j = 1; j <= numeroTubi(); ++j) {
        rigaSigma(ctx, j);
        ++ModVelmor::righestampate;
        if (ModVelmor::righestampate >= righePaginaSismica)
            ctx.intestazionesismica();
    }
}

void tabellaDatiStampa(Contesto& ctx)
{
    Stampante& p = *ctx.Printer;
    p.FontSize = ctx.dimensionecorpo;
    // The title, the heading and a first row stay together on one page.
    const double corpo = p.TextHeight() * 2;
    p.FontSize = dimensioneTabelle;
    const double tabella = p.TextHeight() * 5;
    p.FontSize = ctx.dimensionecorpo;
    if (!staNellaPagina(p, corpo + tabella))
        ctx.fondopagina();
    p.Print();
    p.Print({Colonna(colonnaSismica), Testo(QStringLiteral("Tabella dei dati del calcolo"))});
    p.FontSize = dimensioneTabelle;
    p.Print();
    intestazioneDatiTubi(p);
    const ContinuazioneTabella continuazione(ctx, [&ctx] { continuaDati(ctx); });
    for (int j = 1; j <= numeroTubi(); ++j)
        rigaDati(p, j);
}

// The document table's text of a value: a number in its shortest form with
// the locale's separator, no pattern.
void cella(Table& t, int riga, int colonna, const QString& testo)
{
    if (!testo.isEmpty())
        t.Cell(riga, colonna).Range.Text = testo;
}

} // namespace

QStringList testoSismica(bool tuttiVerificati)
{
    QStringList righe;
    for (const char* r : righeTesto)
        righe << testo(r);
    return righe + righeStampate(capoverso(fineTesto(tuttiVerificati)));
}

std::vector<TuboNonVerificato> tubiNonVerificati()
{
    std::vector<TuboNonVerificato> falliti;
    for (int j = 1; j <= numeroTubi(); ++j) {
        TuboNonVerificato t{j, valoreCampo(campo::riferimento, j).testo(), {}};
        for (const Sigma& s : sigma()) {
            const Valore& v = (*s.valori)[s.lato][j];
            const Valore ammissibile = valoreCampo(s.lato == 1 ? campo::compr : campo::traz, j);
            // The seismic window's own rule.
            if (!v.vuoto() && !tubazioni::sigmaAmmesso(v.numero(), ammissibile.numero()))
                t.oltre << QStringLiteral("%1 = %2 kg/cmq oltre il massimo ammissibile di %3 kg/cmq")
                               .arg(testo(s.codice), testoSigma(v), testoAmmissibile(ammissibile.numero()));
        }
        if (!t.oltre.isEmpty())
            falliti.push_back(t);
    }
    return falliti;
}

QString fraseNonVerificato(const TuboNonVerificato& t)
{
    const QString rif = t.riferimento.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(t.riferimento);
    return QStringLiteral("tubo n. %1%2 non verificato: %3.").arg(t.tubo).arg(rif, t.oltre.join(QStringLiteral("; ")));
}

QStringList legendaSismica()
{
    QStringList righe;
    for (const Sigma& s : sigma())
        righe << testo(s.rigaStampa);
    for (const Dato& d : datiTubo())
        righe << codice(d.campo).leftJustified(larghezzaCodice) + QStringLiteral("= ") + testo(d.significato);
    return righe;
}

void Contesto::intestazionesismica()
{
    if (ModVelmor::righestampate >= righePaginaSismica) {
        continuaSigma(*this);
        return;
    }
    // Fewer rows on the page: the page ends, with no heading on the next.
    piedeTabella(*this);
    Printer->FontSize = dimensionecorpo;
}

void sismicaStampa(Contesto& ctx)
{
    Stampante& p = *ctx.Printer;
    titoloSezione(ctx, colonnaSismica, titoloSismica);
    for (const QString& riga : testoSismica(tubiNonVerificati().empty()))
        p.Print({Colonna(colonnaSismica), Testo(riga)});
    p.Print();
    p.Print({Colonna(colonnaSismica), Testo(QStringLiteral("Legenda:"))});
    p.Print();
    for (const QString& riga : legendaSismica())
        p.Print({Colonna(colonnaSismica), Testo(riga)});
    p.Print();
    p.Print();

    tabellaSigmaStampa(ctx);
    stampaNonVerificati(ctx);
    // The foot in the body size, as on every other page.
    p.FontSize = ctx.dimensionecorpo;
    if (numeroTubi() > tubiStessaPagina)
        ctx.fondopagina();
    tabellaDatiStampa(ctx);
}

void sismicaWord(Contesto& ctx)
{
    const int n = numeroTubi();
    nuovoParagrafo(ctx);
    scrivi(ctx, 18, titoloSismica + QStringLiteral("\r\r"));
    scrivi(ctx, 12, testo(paragrafoDecreto) + QStringLiteral("\r") + paragrafoSigma(tubiNonVerificati().empty())
                      + QStringLiteral("\r\rLegenda:\r\r"));
    ctx.paragrafo->Range.Font.Size = 10;

    Table& legenda = nuovaTabella(ctx, 1 + int(sigma().size() + datiTubo().size()), 2);
    legenda.Cell(1, 1).Range.Text = QStringLiteral("colonna");
    legenda.Cell(1, 2).Range.Text = QStringLiteral("significato");
    int riga = 2;
    for (const Sigma& s : sigma()) {
        legenda.Cell(riga, 1).Range.Text = testo(s.codice);
        legenda.Cell(riga++, 2).Range.Text = testo(s.significato);
    }
    for (const Dato& d : datiTubo()) {
        legenda.Cell(riga, 1).Range.Text = codice(d.campo);
        legenda.Cell(riga++, 2).Range.Text = testo(d.significato);
    }
    legenda.AutoFormat(9);

    scrivi(ctx, 10, QStringLiteral("\r\rTabella dei sigma di lavoro\r"));
    Table& sollecitazioni = nuovaTabella(ctx, n + 2, 3 + int(sigma().size()), dimensioneTabelle);
    sollecitazioni.intestazioneRipetuta(2); // codes and units
    sollecitazioni.Cell(1, 1).Range.Text = QStringLiteral("n.");
    sollecitazioni.Cell(1, 2).Range.Text = testo(descrizioneCampo(campo::riferimento).didascalia);
    sollecitazioni.Cell(1, 3).Range.Text = testo(descrizioneCampo(campo::materiale).didascalia);
    for (int c = 0; c < int(sigma().size()); ++c) {
        sollecitazioni.Cell(1, c + 4).Range.Text = testo(sigma()[c].codice);
        sollecitazioni.Cell(2, c + 4).Range.Text = QStringLiteral("kg/cmq");
    }
    for (int j = 1; j <= n; ++j) {
        cella(sollecitazioni, j + 2, 1, QString::number(j));
        cella(sollecitazioni, j + 2, 2, testoCella(valoreCampo(campo::riferimento, j)));
        cella(sollecitazioni, j + 2, 3, testoCella(valoreCampo(campo::materiale, j)));
        for (int c = 0; c < int(sigma().size()); ++c)
            cella(sollecitazioni, j + 2, c + 4, testoSigma((*sigma()[c].valori)[sigma()[c].lato][j]));
    }
    sollecitazioni.AutoFormat(9);

    QString nonVerificati;
    for (const TuboNonVerificato& t : tubiNonVerificati())
        nonVerificati += QStringLiteral("\r") + fraseNonVerificato(t);
    scrivi(ctx, 10, nonVerificati + QStringLiteral("\r\rTabella dei dati del calcolo\r"));
    Table& dati = nuovaTabella(ctx, n + 2, 1 + int(datiTubo().size()), dimensioneTabelle);
    dati.intestazioneRipetuta(2);
    dati.Cell(1, 1).Range.Text = QStringLiteral("n.");
    for (int c = 0; c < int(datiTubo().size()); ++c) {
        dati.Cell(1, c + 2).Range.Text = codice(datiTubo()[c].campo);
        cella(dati, 2, c + 2, testo(datiTubo()[c].unita));
    }
    for (int j = 1; j <= n; ++j) {
        cella(dati, j + 2, 1, QString::number(j));
        for (int c = 0; c < int(datiTubo().size()); ++c)
            cella(dati, j + 2, c + 2, testoTabella(valoreCampo(datiTubo()[c].campo, j)));
    }
    dati.AutoFormat(9);
}

} // namespace relazione
