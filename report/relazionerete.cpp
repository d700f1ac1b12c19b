#include "report/relazionerete.h"

#include "frame/ModVelmor.h"
#include "frame/formati.h"
#include "network/classipendenza.h"
#include "office/formastampa.h"
#include "office/applicazione.h"
#include "office/stampante.h"
#include "report/condizioni.h"
#include "report/contesto.h"
#include "report/relazionestampante.h"
#include "report/relazionetabelle.h"
#include "report/relazioneword.h"

#include <QLocale>
#include <array>

namespace relazione {

using namespace office;

namespace {

// Where a printed value stands in its column.
enum class Allinea {
    numeroTratto, // the segment number, its units digit on the anchor
    unita,        // a number's units digit on the anchor, its separator right of it
    pendenza,     // the slope class, from the anchor
};

// What a document cell (and the printed value) shows.
enum class Cella {
    testo,          // the value as text
    numeroIniziale, // the leading number of the value, through the pattern
    comeTenuto,     // the value as held, through the pattern (a text not a number passes)
    pendenza,       // the slope class, the last one told from the one below it
};

struct ColonnaRete {
    const char* codice;
    const char* unita;
    const char* significato;
    const ModVelmor::Tratti* valori; // nullptr: the segment number
    Allinea allinea;
    int ancora;
    Cella cella;
    const char* schema;
};

const std::array<ColonnaRete, colonneRete>& colonne()
{
    using namespace ModVelmor;
    static const std::array<ColonnaRete, colonneRete> elenco = {{
        {"tratto", "n.", "numero del tratto della rete dimensionato", nullptr, Allinea::numeroTratto, 9, Cella::testo, ""},
        {"lungh.", "m.", "lunghezza del tratto", &lunghezza, Allinea::unita, 16, Cella::numeroIniziale, "###0.00"},
        {"disl.", "m.", "dislivello tra l'inizio e la fine del tratto", &dislivello, Allinea::unita, 23,
         Cella::numeroIniziale, "##0.00"},
        {"bac.", "n.", "tipo di superficie prevalente nel bacino confluente", &numerosuperficie, Allinea::unita,
         29, Cella::testo, ""},
        {"pend.", "%", "pendenza media del bacino", &pendenza, Allinea::pendenza, 32, Cella::pendenza, ""},
        {"acq.", "mm/h", "pioggia di progetto della massima intensità", &pioggia, Allinea::unita, 42, Cella::testo,
         ""},
        {"sup.", "ha", "superficie del bacino scolante nel tratto", &superficie, Allinea::unita, 45,
         Cella::numeroIniziale, "##0.00"},
        {"dotaz.", "l/ab", "dotazione idrica giornaliera per abitante", &dotazione, Allinea::unita, 55,
         Cella::testo, ""},
        {"abit.", "n.", "numero massimo di residenti nel bacino", &abitanti, Allinea::unita, 61, Cella::testo, ""},
        {"port.c.", "l/s", "portata dovuta ai collettori secondari sfocianti nel tratto", &portatacollettori,
         Allinea::unita, 66, Cella::numeroIniziale, "###0.0"},
        {"port.s.", "l/s", "portata dovuta agli scarichi dei residenti", &portatanera, Allinea::unita, 73,
         Cella::comeTenuto, "###0.0"},
        {"port.p.", "l/s", "portata dovuta alla sola pioggia (acque bianche)", &portatapioggia,
         Allinea::unita, 82, Cella::comeTenuto, "###0.0"},
        {"port.t.", "l/s", "portata totale, somma delle precedenti", &portatatotale, Allinea::unita, 91,
         Cella::comeTenuto, "###0.0"},
        {"diam.", "cm.", "diametro teorico delle tubazioni", &diametro, Allinea::unita, 100, Cella::testo, ""},
        {"vel.", "m/s", "velocità delle acque nelle tubazioni piene", &velocita, Allinea::unita, 103,
         Cella::comeTenuto, "###0.00"},
        {"sez.", "%", "percentuale della sezione del tubo con le acque di scarico", &riempimento, Allinea::unita,
         113, Cella::testo, ""},
    }};
    return elenco;
}

constexpr int colonnaTabella = 6;
constexpr int colonnaTitolo = 10;
// The list of surface types: number, name and coefficient columns.
constexpr int colonnaNumeroSuperficie = 32;
constexpr int colonnaTipoSuperficie = 36;
constexpr int colonnaCoefficiente = 73;
constexpr int larghezzaCodice = 8;
constexpr int tabellaVuotaPrima = 2;     // empty paragraphs after the legend table
constexpr int paragrafiTraTabelle = 10;  // between two network tables
constexpr int paragrafiPrimaSismica = 9; // after the last one, when the seismic sections follow

QString testo(const char* s) { return QString::fromUtf8(s); }

// A column's meaning in the legend of a network of type `sistema`: a column
// whose data the sizing of that type leaves out says so.
QString significato(const ColonnaRete& c, const QString& sistema)
{
    static const QStringList soloPioggia = {"bac.", "pend.", "acq.", "sup.", "port.p."};
    static const QStringList soloNere = {"dotaz.", "abit.", "port.s."};
    const QString codice = testo(c.codice);
    QString t = testo(c.significato);
    QString nota;
    if (!conAcqueBianche(sistema) && soloPioggia.contains(codice))
        nota = QStringLiteral("non entra nel calcolo di una rete per sole acque nere");
    if (!conAcqueNere(sistema) && soloNere.contains(codice))
        nota = QStringLiteral("non entra nel calcolo di una rete per sole acque bianche");
    if (nota.isEmpty())
        return t;
    // A meaning that already ends in brackets takes the note inside them.
    if (t.endsWith(u')'))
        return t.chopped(1) + QStringLiteral("; ") + nota + u')';
    return t + QStringLiteral(" (") + nota + u')';
}

// A printed value is at most this many characters wide on a line (the widest values the table
// is drawn for); a longer one, typed so, goes on on the lines below in its column.
constexpr int larghezzaValore = 8;

std::vector<std::vector<Voce>> rigaStampa(int i)
{
    const QStringList celle = celleTratto(i);
    std::vector<Posto> posti;
    for (std::size_t k = 0; k < colonne().size(); ++k) {
        const ColonnaRete& c = colonne()[k];
        const QString& testo = celle[qsizetype(k)];
        switch (c.allinea) {
        case Allinea::numeroTratto:
            posti.push_back({c.ancora - int(testo.size()), formaStampa(i)});
            break;
        case Allinea::unita:
            // A value cut over lines is aligned by its first line.
            posti.push_back({inizioAllineato(c.ancora, testo.left(larghezzaValore)), testo, larghezzaValore});
            break;
        case Allinea::pendenza:
            // The class limit without its "%": " 5,0" ... "18,5", ">18,5" for the last class.
            posti.push_back({c.ancora, testo.chopped(testo.endsWith(u'%') ? 1 : 0)});
            break;
        }
    }
    return righeSenzaContatti(posti);
}

void stampaIntestazione(Stampante& p)
{
    p.Print({Colonna(colonnaTabella), Testo(intestazioneRete())});
    p.Print({Colonna(colonnaTabella), Testo(unitaRete())});
    p.Print();
}

// The foot, a new page and the heading again; the rows are counted afresh.
void continuaRete(Contesto& ctx)
{
    piedeTabella(ctx);
    stampaIntestazione(*ctx.Printer);
    ModVelmor::righestampate = 0;
}

// The slope limit held for the segment, with the locale's separator; the
// last class, held with the same limit as the one below it, gets a ">".
QString testoPendenza(const Valore& limite, const Valore& coefficiente)
{
    QString t = limite.testo();
    t.replace(QLatin1Char('.'), QLocale().decimalPoint());
    if (!limite.vuoto() && rete::classedacoefficiente(coefficiente.numero()) == rete::numeroclassipendenza - 1)
        t = QLatin1Char('>') + t.trimmed();
    return t;
}

QString cellaTratto(const ColonnaRete& c, int i)
{
    if (!c.valori)
        return QString::number(i);
    const Valore& v = (*c.valori)[i];
    switch (c.cella) {
    case Cella::testo:
        break;
    case Cella::numeroIniziale:
        return Format(Valore(v.numero()), testo(c.schema));
    case Cella::comeTenuto:
        return testoTabella(v, testo(c.schema));
    case Cella::pendenza:
        return testoPendenza(v, ModVelmor::coefpendenza[i]);
    }
    return testoTabella(v);
}

} // namespace

QString intestazioneRete()
{
    return QStringLiteral("tratto lungh.  disl. bac. pend. acq.  sup. dotaz.  abit. port.c. port.s.  port.p.  "
                          "port.t. diam.  vel.  sez.");
}

QString unitaRete()
{
    return QStringLiteral("  n.     m.     m.    n.    %   mm/h   ha   l/ab    n.     l/s     l/s      l/s     l/s  "
                          "   cm.   m/s    %");
}

bool interruzioneRete(int righe, int numerotratti, int pagina, int primaPagina)
{
    if (righe >= numerotratti)
        return false;
    return (pagina == primaPagina && righe == righePrimaPaginaRete)
        || (pagina > primaPagina && righe == righePaginaRete);
}

int tabelleRete(int numerotratti)
{
    if (numerotratti <= trattiPrimaTabella)
        return 1;
    return 1 + (numerotratti - trattiPrimaTabella + trattiTabella - 1) / trattiTabella;
}

QStringList celleTratto(int i)
{
    QStringList celle;
    for (const ColonnaRete& c : colonne())
        celle << cellaTratto(c, i);
    return celle;
}

void Contesto::intestazionerete()
{
    const int n = ModVelmor::numerotratti;
    if (interruzioneRete(ModVelmor::righestampate, n, Printer->Page(), primapaginarete))
        continuaRete(*this);
    if (ModVelmor::righestampate == n)
        piedeTabella(*this);
}

void reteStampa(Contesto& ctx)
{
    Stampante& p = *ctx.Printer;
    titoloSezione(ctx, colonnaTitolo, titoloRete);
    p.Print();
    p.Print({Colonna(colonnaTabella), Testo(QStringLiteral("Legenda:"))});
    p.Print();
    // The surface types and their run-off coefficients, where the sizing uses them; the
    // coefficient always a blank after the type's name.
    if (conAcqueBianche(ModVelmor::sistema)) {
        p.Print({Colonna(colonnaTabella), Testo(QStringLiteral("Superfici e coefficienti: "))}, ACapo::no);
        for (int k = 1; k <= 10; ++k)
            p.Print(rigaSenzaContatti(
                {{colonnaNumeroSuperficie + 1, QString::number(k)}, // after the number's sign position
                 {colonnaTipoSuperficie, QStringLiteral("= ") + ModVelmor::tipisuperficie[k]},
                 {colonnaCoefficiente, testoTabella(Valore(ModVelmor::coefficientisuperficie[k]), QStringLiteral("0.00"))}}));
        p.Print();
    }
    // A meaning too long for the line goes on under itself.
    for (const ColonnaRete& c : colonne())
        stampaEntroMargine(p, colonnaTabella, testo(c.codice).leftJustified(larghezzaCodice) + QStringLiteral("= "),
                           significato(c, ModVelmor::sistema));
    p.Print();
    p.FontSize = dimensioneTabelle;
    stampaIntestazione(p);

    const int n = ModVelmor::numerotratti;
    {
        const ContinuazioneTabella continuazione(ctx, [&ctx] { continuaRete(ctx); });
        for (int i = 1; i <= n; ++i) {
            const auto linee = rigaStampa(i);
            if (linee.size() > 1 && !staNellaPagina(p, double(linee.size()) * p.TextHeight()))
                continuaRete(ctx);
            for (const auto& linea : linee)
                p.Print(linea);
            if (i == 1)
                ctx.primapaginarete = p.Page();
            ++ModVelmor::righestampate;
            if (i < n)
                ctx.intestazionerete();
        }
    }
    // With pipes the seismic sections begin on a new page; without, the
    // closing goes on on this one.
    if (conTubi()) {
        ModVelmor::righestampate = static_cast<std::int16_t>(n);
        ctx.intestazionerete();
    }
}

void reteWord(Contesto& ctx)
{
    nuovoParagrafo(ctx);
    scrivi(ctx, 18, titoloRete + QStringLiteral("\r\r"));
    scrivi(ctx, 10, QStringLiteral("Legenda:\r\r"));
    Table& legenda = nuovaTabella(ctx, colonneRete + 1, 2);
    legenda.Cell(1, 1).Range.Text = QStringLiteral("colonna");
    legenda.Cell(1, 2).Range.Text = QStringLiteral("significato");
    for (int c = 0; c < colonneRete; ++c) {
        legenda.Cell(c + 2, 1).Range.Text = testo(colonne()[c].codice);
        legenda.Cell(c + 2, 2).Range.Text = significato(colonne()[c], ModVelmor::sistema);
    }
    legenda.AutoFormat(9);
    paragrafiVuoti(ctx, tabellaVuotaPrima);

    const int n = ModVelmor::numerotratti;
    const int tabelle = tabelleRete(n);
    int tratto = 1;
    for (int t = 1; t <= tabelle; ++t) {
        const int capienza = t == 1 ? trattiPrimaTabella : trattiTabella;
        Table& tabella = nuovaTabella(ctx, capienza + 2, colonneRete, dimensioneTabelle);
        tabella.intestazioneRipetuta(2); // codes and units
        for (int c = 1; c <= colonneRete; ++c) {
            tabella.Cell(1, c).Range.Text = testo(colonne()[c - 1].codice);
            tabella.Cell(2, c).Range.Text = testo(colonne()[c - 1].unita);
        }
        for (int riga = 3; riga < capienza + 3 && tratto <= n; ++riga, ++tratto) {
            const QStringList celle = celleTratto(tratto);
            for (int c = 1; c <= colonneRete; ++c)
                if (!celle[c - 1].isEmpty())
                    tabella.Cell(riga, c).Range.Text = celle[c - 1];
        }
        tabella.AutoFormat(9);
        nuovoParagrafo(ctx);
        if (t < tabelle)
            paragrafiVuoti(ctx, paragrafiTraTabelle);
    }
    ctx.altretabellerete = tabelle - 1;
    if (conTubi())
        paragrafiVuoti(ctx, paragrafiPrimaSismica);
}

} // namespace relazione
