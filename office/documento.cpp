#include "office/documento.h"

#include "office/consegna.h"
#include "office/impaginazione.h"
#include "office/salvataggio.h"
#include "office/scritturadocx.h"

#include <algorithm>
#include <QDebug>

namespace office {

namespace {

bool grassettoDopo(bool attuale, int valore)
{
    if (valore == commutaGrassetto)
        return !attuale;
    return valore != 0;
}

Tabella* tabellaDi(const RiferimentoStato& stato, int indice)
{
    auto& tabelle = stato->modello.tabelle;
    if (indice < 0 || indice >= static_cast<int>(tabelle.size()))
        return nullptr;
    return &tabelle[static_cast<size_t>(indice)];
}

} // namespace

Caratteri::Caratteri(Bersaglio bersaglio, std::function<void()> modificato)
    : Name([bersaglio] { Carattere* c = bersaglio(); return c ? c->nome : Carattere().nome; },
           [bersaglio, modificato](const QString& v) {
               if (Carattere* c = bersaglio()) {
                   c->nome = v;
                   modificato();
               }
           }),
      Size([bersaglio] { Carattere* c = bersaglio(); return c ? c->dimensione : Carattere().dimensione; },
           [bersaglio, modificato](const double& v) {
               if (Carattere* c = bersaglio(); c && v > 0) {
                   c->dimensione = v;
                   modificato();
               }
           }),
      Bold([bersaglio] { Carattere* c = bersaglio(); return c && c->grassetto ? -1 : 0; },
           [bersaglio, modificato](const int& v) {
               if (Carattere* c = bersaglio()) {
                   c->grassetto = grassettoDopo(c->grassetto, v);
                   modificato();
               }
           })
{
}

IntervalloFine::IntervalloFine(RiferimentoStato stato)
    : Text([stato] { return stato->modello.ultimoParagrafo().testo(); },
           [stato](const QString& testo) { stato->modello.scriviTesto(testo); }),
      Font([stato] { return &stato->modello.carattere; }, [] {}),
      Fields(stato),
      ParagraphFormat{Proprieta<bool>([stato] { return stato->modello.formatoParagrafo.tieniConSeguente; },
                                      [stato](const bool& tieni) {
                                          stato->modello.formatoParagrafo.tieniConSeguente = tieni;
                                          stato->modello.ultimoParagrafo().formato.tieniConSeguente = tieni;
                                          ++stato->modello.revisione;
                                      })}
{
}

bool IntervalloFine::Campi::Add(int tipo)
{
    if (tipo != wdFieldNumPages)
        return false;
    stato_->modello.aggiungiCampo(QStringLiteral("NUMPAGES"), QString::number(contaPagine(stato_->modello)));
    return true;
}

void IntervalloFine::Campi::Update()
{
    stato_->modello.aggiornaCampi(QStringLiteral("NUMPAGES"), QString::number(contaPagine(stato_->modello)));
}

IntervalloTabella::IntervalloTabella(RiferimentoStato stato, int tabella)
    : Font([stato, tabella]() -> Carattere* {
               Tabella* t = tabellaDi(stato, tabella);
               return t ? &t->carattere : nullptr;
           },
           [stato] { ++stato->modello.revisione; })
{
}

IntervalloCella::IntervalloCella(RiferimentoStato stato, int tabella, int riga, int colonna)
    : Text([stato, tabella, riga, colonna] {
               const Tabella* t = tabellaDi(stato, tabella);
               const Cella* c = t ? t->cella(riga, colonna) : nullptr;
               return c ? c->testo : QString();
           },
           [stato, tabella, riga, colonna](const QString& testo) {
               stato->modello.scriviCella(tabella, riga, colonna, testo);
           })
{
}

ColonnaTabella::ColonnaTabella(RiferimentoStato stato, int tabella, int colonna)
    : stato_(std::move(stato)), tabella_(tabella), colonna_(colonna)
{
}

void ColonnaTabella::Select()
{
    stato_->modello.selezionaColonna(tabella_, colonna_);
}

int ColonneTabella::Count() const
{
    const Tabella* t = tabellaDi(stato_, tabella_);
    return t ? t->colonne : 0;
}

Table::Table(RiferimentoStato stato, int tabella)
    : Range(stato, tabella), Columns(stato, tabella), stato_(std::move(stato)), tabella_(tabella)
{
}

bool Table::AutoFormat(int formato)
{
    return stato_->modello.formatoAutomatico(tabella_, formato);
}

void Table::intestazioneRipetuta(int righe)
{
    if (Tabella* t = tabellaDi(stato_, tabella_))
        t->righeIntestazione = std::clamp(righe, 0, t->righe);
}

int Table::righe() const
{
    const Tabella* t = tabellaDi(stato_, tabella_);
    return t ? t->righe : 0;
}

ParagrafiDocumento::ParagrafiDocumento(RiferimentoStato stato)
    : LineSpacing([stato] { return stato->modello.formatoParagrafo.interlinea; },
                  [stato](const double& punti) { stato->modello.interlineaTutto(punti); }),
      stato_(std::move(stato))
{
}

std::shared_ptr<Paragraph> ParagrafiDocumento::Add(const IntervalloFine&)
{
    return Add();
}

std::shared_ptr<Paragraph> ParagrafiDocumento::Add()
{
    stato_->modello.nuovoParagrafo();
    return std::make_shared<Paragraph>(stato_);
}

Segnalibro SegnalibriDocumento::operator()(const QString& nome) const
{
    if (nome != QLatin1String("\\endofdoc"))
        qWarning() << "office: segnalibro sconosciuto" << nome << "(uso la fine del documento)";
    return Segnalibro(stato_);
}

std::shared_ptr<Table> TabelleDocumento::Add(const IntervalloFine&, int righe, int colonne)
{
    const int indice = stato_->modello.aggiungiTabella(righe, colonne);
    tabelle_.push_back(std::make_shared<Table>(stato_, indice));
    return tabelle_.back();
}

Table& TabelleDocumento::operator()(int indice)
{
    if (indice >= 1 && indice <= Count())
        return *tabelle_[static_cast<size_t>(indice - 1)];
    throw ErroreDocumento(QStringLiteral("il documento non ha la tabella n. %1 (ne ha %2)").arg(indice).arg(Count()).toStdString());
}

Document::Document(RiferimentoStato stato)
    : Content(stato), Bookmarks(stato), Tables(stato), stato_(std::move(stato))
{
}

void Document::Select()
{
    stato_->modello.selezionaDocumento();
}

bool Document::SaveAs(const QString& percorso)
{
    QString errore;
    const QByteArray dati = scriviDocx(stato_->modello, &errore);
    if (!dati.isEmpty()) {
        const EsitoSalvataggio esito = salvaSuDisco(percorso, dati);
        if (esito.riuscito()) {
            stato_->salvatoIn = percorso;
            stato_->revisioneSalvata = stato_->modello.revisione;
            return true;
        }
        errore = esito.motivo;
    }
    avvisaUtente(QStringLiteral("Non è stato possibile salvare il documento in:\n%1\n(%2)").arg(percorso, errore));
    return false;
}

void Document::nomeFile(const QString& nome)
{
    stato_->nome = nome;
}

int Document::numeroPagine() const
{
    return contaPagine(stato_->modello);
}

} // namespace office
