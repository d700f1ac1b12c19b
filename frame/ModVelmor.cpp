#include "frame/ModVelmor.h"

#include "frame/finestre.h"
#include "frame/formati.h"
#include "frame/frmSplash.h"
#include "frame/identita.h"
#include "frame/servizi.h"
#include "office/applicazione.h"
#include "office/consegna.h"

using namespace vb;

namespace ModVelmor {

const std::array<const char*, 23> ordineChiusura = {
    finestre::nomi::dati,          finestre::nomi::pluviometrici, finestre::nomi::sismica,          finestre::nomi::circolare,    finestre::nomi::circolare2,         finestre::nomi::circolare3,
    finestre::nomi::frontespizio,  finestre::nomi::sommario,      finestre::nomi::manuale,          finestre::nomi::guidafunzionamento, finestre::nomi::guidaarchivio, finestre::nomi::guidadati,
    finestre::nomi::guidapluviometrici, finestre::nomi::guidasismica, finestre::nomi::guidanorme,   finestre::nomi::guidafrontespizio, finestre::nomi::guidastampa,   finestre::nomi::guidaformule,
    finestre::nomi::frmTip,        finestre::nomi::licenza,       finestre::nomi::prodotti,         finestre::nomi::supportoclienti, finestre::nomi::informa,
};

std::array<Tratti*, 13> campitratto()
{
    return {&lunghezza, &dislivello, &tiposuperficie, &coefsuperficie, &pendenza, &coefpendenza, &portatacollettori,
            &abitanti, &dotazione, &superficie, &pioggia, &numerosuperficie, &riempimento};
}

std::array<Tratti*, 5> risultatitratto()
{
    return {&portatapioggia, &portatanera, &portatatotale, &diametro, &velocita};
}

void inizializza()
{
    nomeprogramma = Valore(identita::nome);
    descrizioneprogramma = Valore(identita::descrizione);
    versione = Valore(identita::versione);
    dataprimaversione = Valore(identita::dataprimaversione);
    codicedata = Valore(identita::codicedata);

    titolocontrollo = Valore(nomeprogramma.testo() + ": controllo dati immessi nella finestra attiva");
    titoloaiuto = nomeprogramma.testo() + ": aiuto in linea";
    titoloelimina = Valore("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

void svuotaTratti()
{
    for (Tratti* tabella : campitratto())
        tabella->fill(Valore());
    for (Tratti* tabella : risultatitratto())
        tabella->fill(Valore());
    numerotratti = 0;
}

void svuotaTubi()
{
    for (Tubi* tabella : {&riferimento, &pesos, &compr, &traz, &diam, &spess, &peso, &altez, &pesot, &attr, &incr,
                          &press, &bmin, &bmax})
        tabella->fill(Valore());
    materiale.fill(QString());
    for (auto* sigma : {&sigmasuperiore, &sigmamediana, &sigmainferiore})
        for (Tubi& lato : *sigma)
            lato.fill(Valore());
    numerotubi = Valore();
}

void azzera()
{
    inizializza();
    svuotaTratti();
    svuotaTubi();
    primotratto = 1;
    sistema.clear();
    tubocorrente = 1;
    erroredati = Valore();
    nomefile.clear();
    filecompleto.clear();
    testifrontespizio.clear();
    coloresfondo = 0;
    righestampate = 0;
    guidatitolo.clear();
    guidatesto.clear();
    numerotesto.clear();
    cifre = 0;
    intestazionelistino = Valore();
    tipisuperficie.fill(QString());
    coefficientisuperficie.fill(0.0);
}

void impostaTipiSuperficie()
{
    tipisuperficie = {QString(),
                      QStringLiteral("tetti metallici, terre impermeabili"),
                      QStringLiteral("tetti in tegole di laterizio"),
                      QStringLiteral("tetti di cemento amianto"),
                      QStringLiteral("lastricato d'asfalto"),
                      QStringLiteral("lastricato in pietra sigillata"),
                      QStringLiteral("lastricato non sigillato"),
                      QStringLiteral("lastricato in piccole pietre"),
                      QStringLiteral("viali inghiaiati"),
                      QStringLiteral("superfici non edificate"),
                      QStringLiteral("parchi e giardini")};
    coefficientisuperficie = {0.0, 0.95, 0.90, 0.60, 0.87, 0.80, 0.60, 0.43, 0.22, 0.15, 0.07};
}

void cifreintere()
{
    const double numero = Val(numerotesto);
    if (numero < 0)
        numerotesto = testoNumero(-numero);
    if (numerotesto.isEmpty())
        return;
    int posizione = numerotesto.size();
    for (int i = 0; i < numerotesto.size(); ++i) {
        if (numerotesto[i] == QChar(',') || numerotesto[i] == QChar('.')) {
            posizione = i;
            break;
        }
    }
    cifre = static_cast<std::int16_t>(std::min(posizione, 32767));
}

std::int32_t apriindirizzo(const QString& indirizzo)
{
    return servizi::shell().apri(indirizzo);
}

void esciprogramma()
{
    const int risposta = MsgBox("Vuoi uscire da " + nomeprogramma.testo() + "?",
                                vbYesNo + vbQuestion + vbDefaultButton2,
                                QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    if (risposta == vbNo)
        return;
    for (const char* nome : ordineChiusura)
        finestre::scarica(QString::fromUtf8(nome));
    finestre::forma<frmSplash>().schermataDiChiusura();
}

void stampaguida()
{
    const office::ConsegnaAllaFine consegna;
    const QString titolo = guidatitolo ? guidatitolo->text() : QString();
    const QString testo = guidatesto ? guidatesto->text() : QString();
    auto appword = office::nuovaApplicazione();
    appword->Visible = true;
    auto documento = appword->Documents.Add();
    documento->nomeFile("guida");
    auto& sel = appword->Selection;
    sel.Font.Name = QStringLiteral("Century Gothic");
    sel.Font.Size = 20;
    sel.TypeText(nomeprogramma.testo() + "\r");
    sel.Font.Size = 16;
    sel.TypeText(descrizioneprogramma.testo() + "\r\r\r");
    sel.TypeText("Guida: " + titolo + "\r\r");
    sel.Font.Size = 12;
    sel.TypeText(testo + "\r");
    sel.Document.Select();
    sel.ParagraphFormat.Alignment = office::Giustificato;
}

} // namespace ModVelmor
