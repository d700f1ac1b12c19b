#include "report/relazione.h"

#include "frame/ModVelmor.h"
#include "frame/controllosilenzioso.h"
#include "frame/finestre.h"
#include "frame/lavorostampa.h"
#include "frame/nomifinestre.h"
#include "frame/servizi.h"
#include "network/dati.h"
#include "office/stampante.h"
#include "office/superficie.h"
#include "report/relazionefrontespizio.h"
#include "report/relazioneidraulica.h"
#include "report/relazionerete.h"
#include "report/relazionesismica.h"
#include "report/relazionestampante.h"
#include "report/relazioneword.h"
#include "seismic/sismica.h"
#include "seismic/tabellatubi.h"

#include <QLocale>
#include <QPrinter>
#include <QScrollBar>

using namespace vb;

namespace relazione {

namespace {

// The network window shows ten segments from its scroll bar's value.
constexpr int passoRete = dati::righe;

bool sempre() { return true; }
bool bianche() { return conAcqueBianche(ModVelmor::sistema); }
bool nere() { return conAcqueNere(ModVelmor::sistema); }

constexpr double twipsPerCentimetro = 567;

// The report's Printer for as long as the report prints, whatever way it ends.
class PrinterInUso {
public:
    PrinterInUso(Contesto& ctx, office::Stampante& p) : m_ctx(ctx) { m_ctx.Printer = &p; }
    ~PrinterInUso()
    {
        m_ctx.Printer = nullptr;
        m_ctx.continuaTabella = nullptr;
    }
    PrinterInUso(const PrinterInUso&) = delete;
    PrinterInUso& operator=(const PrinterInUso&) = delete;

private:
    Contesto& m_ctx;
};

} // namespace

QString notaStudio(const Testi& testi)
{
    if (!testi.studio.isEmpty())
        return {};
    return QStringLiteral("Studio tecnico non impostato: il progettista è rimasto in bianco. Per impostarlo "
                          "scriverne nome e indirizzo nel file %1 (clic sul campo dello studio per sapere come).")
        .arg(testi.fileStudio);
}

const QList<Sezione>& sezioni()
{
    static const QList<Sezione> elenco = {
        {sempre, frontespizioStampa, frontespizioWord},
        {bianche, acqueBiancheStampa, acqueBiancheWord},
        {nere, acqueNereStampa, acqueNereWord},
        {sempre, collettoreStampa, collettoreWord},
        {sempre, reteStampa, reteWord},
        {conTubi, sismicaStampa, sismicaWord},
        {sempre, chiusuraStampa, chiusuraWord},
    };
    return elenco;
}

void eseguiSezioni(Contesto& ctx, void (*Sezione::*resa)(Contesto&))
{
    for (const Sezione& s : sezioni())
        if (s.*resa && s.dovuta())
            (s.*resa)(ctx);
}

QList<int> posizioniRete(int numerotratti, int massimo)
{
    QList<int> posizioni;
    for (int i = passoRete + 1; i <= numerotratti && i <= massimo; i += passoRete)
        posizioni << i;
    return posizioni;
}

bool prepara()
{
    dati& rete = finestre::forma<dati>();
    if (!ModVelmor::controlloSilenzioso([&rete] { rete.controlla_click(); })) {
        finestre::mostra(finestre::nomi::dati);
        return false;
    }
    // Segments 1 to 10 are sized whenever they are typed or shown. The pages stepped through
    // are not drawn; the window shows the last one when the stepping ends.
    {
        const dati::Passata passata(rete);
        for (int i : posizioniRete(ModVelmor::numerotratti, rete.VScroll1->maximum())) {
            rete.VScroll1->setValue(i);
            rete.VScroll1_Change();
        }
    }

    if (!conTubi())
        return true;
    sismica& tubi = finestre::forma<sismica>();
    if (!ModVelmor::controlloSilenzioso([&tubi] { tubi.controlla_click(); })) {
        finestre::mostra(finestre::nomi::sismica);
        return false;
    }
    for (int j = 1; j <= tubazioni::numeroTubi(); ++j) {
        tubi.VScroll1->setValue(j);
        tubi.VScroll1_Change();
    }
    return true;
}

void stampaRelazione(const Testi& testi, Uscita uscita, const std::function<void(const QString&)>& avviso)
{
    if (!prepara())
        return;
    Contesto ctx(testi, avviso);
    if (uscita == Uscita::stampante)
        stampaDiretta(ctx);
    else
        stampaWord(ctx);
}

void stampaDiretta(Contesto& ctx)
{
    ctx.caratterecorpo = QStringLiteral("Courier New");
    ModVelmor::righestampate = 0;

    QPrinter stampante(QPrinter::HighResolution);
    stampe::Lavoro lavoro(stampante, nomeLavoro(ctx.testi.progetto));
    if (!servizi::dialoghi().stampante(stampante))
        return; // cancelled: nothing is printed
    if (!lavoro.prima())
        return;

    try {
        const std::shared_ptr<office::Superficie> superficie = servizi::stampa().superficie(stampante);
        office::Stampante p(*superficie);
        p.FontSize = ctx.dimensionecorpo;
        if (superficie->area().height() < yPiede + p.TextHeight()) {
            MsgBox(QStringLiteral("L'area stampabile della pagina scelta è troppo corta per il piè di pagina "
                                  "della relazione, che sta a %1 cm dal margine superiore: scegliere una stampante "
                                  "con margini più stretti sul foglio A4. Non è stato stampato nulla.")
                       .arg(QLocale().toString((yPiede + p.TextHeight()) / twipsPerCentimetro, 'f', 1)),
                   vbExclamation, ModVelmor::nomeprogramma.testo());
            return;
        }
        const PrinterInUso inUso(ctx, p);
        p.Fondo = yPiede;
        p.FinePagina = [&ctx] {
            if (ctx.continuaTabella)
                ctx.continuaTabella();
            else
                ctx.fondopagina();
        };
        p.CurrentX = margineSinistro;
        p.CurrentY = cimaPagina;
        p.FontSize = 24;
        p.FontName = QStringLiteral("Roman");
        eseguiSezioni(ctx, &Sezione::stampa);
        ctx.fondopagina();
        p.EndDoc();
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("La stampa della relazione è stata interrotta: %1.\r"
                              "Le pagine già inviate alla stampante possono essere incomplete: controllare la "
                              "stampante, poi stampare di nuovo o scegliere un'altra stampante.")
                   .arg(QString::fromStdString(e.what())),
               vbCritical, ModVelmor::nomeprogramma.testo());
        return;
    }
    lavoro.dopo();
    if (const QString nota = notaStudio(ctx.testi); !nota.isEmpty())
        ctx.avvisa(nota);
}

void stampaWord(Contesto& ctx)
{
    ctx.avvisa(QStringLiteral("sto caricando WORD visualizzare la relazione"));
    if (!costruisciDocumento(ctx, QStringLiteral("completare la relazione"), [&ctx] {
            apriRelazione(ctx);
            eseguiSezioni(ctx, &Sezione::word);
            passataFinale(ctx);
        }))
        return;
    const QString nota = notaStudio(ctx.testi);
    ctx.avvisa(esitoConsegna(ctx, QStringLiteral("ho visualizzato la relazione su WORD"))
               + (nota.isEmpty() ? QString() : QStringLiteral(". ") + nota));
}

} // namespace relazione
