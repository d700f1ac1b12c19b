#include "report/relazione.h"

#include "frame/ModVelmor.h"
#include "frame/controllosilenzioso.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "report/frontespizio.h"
#include "report/relazionefrontespizio.h"
#include "report/relazioneidraulica.h"
#include "report/relazionerete.h"
#include "report/relazionesismica.h"
#include "report/relazionestampante.h"
#include "report/relazioneword.h"
#include "seismic/sismica.h"
#include "seismic/tabellatubi.h"

#include <QRadioButton>
#include <QScrollBar>

namespace relazione {

namespace {

// The network window shows ten segments from its scroll bar's value.
constexpr int passoRete = dati::righe;

bool sempre() { return true; }
bool bianche() { return conAcqueBianche(ModVelmor::sistema); }
bool nere() { return conAcqueNere(ModVelmor::sistema); }

} // namespace

bool conAcqueBianche(const QString& sistema) { return sistema != QLatin1String("nere"); }
bool conAcqueNere(const QString& sistema) { return sistema != QLatin1String("bianche"); }
bool conTubi() { return velmor::sismica::numeroTubi() > 0; }

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

void eseguiSezioni(frontespizio& f, void (*Sezione::*resa)(frontespizio&))
{
    for (const Sezione& s : sezioni())
        if (s.*resa && s.dovuta())
            (s.*resa)(f);
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
        finestre::mostra(QString::fromUtf8(dati::NOME));
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
        finestre::mostra(QString::fromUtf8(sismica::NOME));
        return false;
    }
    for (int j = 1; j <= velmor::sismica::numeroTubi(); ++j) {
        tubi.VScroll1->setValue(j);
        tubi.VScroll1_Change();
    }
    return true;
}

void stampaRelazione(frontespizio& f)
{
    if (!prepara())
        return;
    if (f.comestampo[1]->isChecked())
        stampaDiretta(f);
    else
        stampaWord(f);
}

} // namespace relazione
