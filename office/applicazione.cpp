#include "office/applicazione.h"

#include "office/consegna.h"
#include "office/immagine.h"

#include <QDebug>

namespace office {

namespace {

ModelloDocumento* modelloAttivo(const RaccoltaDocumenti* documenti)
{
    Document* d = documenti->attivo();
    return d ? &d->modello() : nullptr;
}

// A border distance of the active document, read and written in whole points.
Proprieta<double> distanza(RaccoltaDocumenti* documenti, double ModelloDocumento::*campo)
{
    return Proprieta<double>(
        [documenti, campo] {
            ModelloDocumento* m = modelloAttivo(documenti);
            return m ? m->*campo : 0.0;
        },
        [documenti, campo](const double& punti) {
            if (ModelloDocumento* m = modelloAttivo(documenti))
                m->*campo = arrotondaPari(punti);
        });
}

} // namespace

std::shared_ptr<Document> RaccoltaDocumenti::Add()
{
    auto stato = std::make_shared<StatoDocumento>();
    documenti_.push_back(std::make_shared<Document>(stato));
    accodaConsegna(stato);
    return documenti_.back();
}

Document& RaccoltaDocumenti::operator()(int indice)
{
    if (indice >= 1 && indice <= Count())
        return *documenti_[static_cast<size_t>(indice - 1)];
    throw ErroreDocumento(QStringLiteral("non esiste il documento n. %1 (ce ne sono %2)").arg(indice).arg(Count()).toStdString());
}

Selezione::Selezione(RaccoltaDocumenti* documenti)
    : Font([documenti]() -> Carattere* {
               ModelloDocumento* m = modelloAttivo(documenti);
               return m ? &m->carattere : nullptr;
           },
           [] {}),
      PageSetup{Proprieta<int>(
          [documenti] {
              ModelloDocumento* m = modelloAttivo(documenti);
              return m ? m->numeroCarta : 7;
          },
          [documenti](const int& numero) {
              if (ModelloDocumento* m = modelloAttivo(documenti)) {
                  m->numeroCarta = numero;
                  ++m->revisione;
              }
          })},
      Paragraphs{Proprieta<double>(
          [documenti] {
              ModelloDocumento* m = modelloAttivo(documenti);
              return m ? m->ultimoParagrafo().formato.interlinea : 12.0;
          },
          [documenti](const double& punti) {
              if (ModelloDocumento* m = modelloAttivo(documenti); m && punti > 0)
                  m->interlineaSelezione(punti);
          })},
      Borders{distanza(documenti, &ModelloDocumento::distanzaSopra),
              distanza(documenti, &ModelloDocumento::distanzaSotto),
              distanza(documenti, &ModelloDocumento::distanzaSinistra),
              distanza(documenti, &ModelloDocumento::distanzaDestra)},
      ParagraphFormat{Proprieta<int>(
          [documenti] {
              ModelloDocumento* m = modelloAttivo(documenti);
              return m ? m->allineamentoSelezione() : 0;
          },
          [documenti](const int& allineamento) {
              if (ModelloDocumento* m = modelloAttivo(documenti))
                  m->allineaSelezione(allineamento);
          })},
      Document{documenti},
      InlineShapes{documenti},
      documenti_(documenti)
{
}

void Selezione::TypeText(const QString& testo)
{
    if (ModelloDocumento* m = modelloAttivo(documenti_)) {
        m->comprimiSelezione();
        m->scriviTesto(testo);
    }
}

void Selezione::DocumentoSelezione::Select()
{
    if (ModelloDocumento* m = modelloAttivo(documenti))
        m->selezionaDocumento();
}

bool Selezione::FigureInLinea::AddPicture(const QString& percorso)
{
    ModelloDocumento* m = modelloAttivo(documenti);
    if (!m)
        return false;
    const auto immagine = caricaImmagine(percorso, larghezzaUtile(*m), altezzaUtile(*m));
    if (!immagine)
        return false;
    m->comprimiSelezione();
    m->aggiungiImmagine(*immagine);
    return true;
}

Application::Application() : Selection(&Documents)
{
}

std::shared_ptr<Application> nuovaApplicazione()
{
    return std::make_shared<Application>();
}

void impostaPagina(Selezione& sel)
{
    sel.Borders.DistanceFromTop = 2.5;
    sel.Borders.DistanceFromBottom = 2.5;
    sel.Borders.DistanceFromLeft = 1.5;
    sel.Borders.DistanceFromRight = 1.5;
    sel.PageSetup.PaperSize = 7;
}

} // namespace office
