#include "office/modello.h"

#include <algorithm>
#include <cmath>

namespace office {

QString Paragrafo::testo() const
{
    QString risultato;
    for (const Frammento& f : frammenti)
        risultato += f.testo;
    return risultato;
}

Cella* Tabella::cella(int riga, int colonna)
{
    if (riga < 1 || riga > righe || colonna < 1 || colonna > colonne)
        return nullptr;
    return &celle[static_cast<size_t>((riga - 1) * colonne + (colonna - 1))];
}

const Cella* Tabella::cella(int riga, int colonna) const
{
    return const_cast<Tabella*>(this)->cella(riga, colonna);
}

int Tabella::intestazione() const
{
    return std::clamp(std::max(righeIntestazione, formatoAutomatico == 9 ? 1 : 0), 0, righe);
}

FormatoCarta formatoCarta(int numero)
{
    switch (numero) {
    case 2: return {12240, 15840}; // Letter
    case 4: return {12240, 20160}; // Legal
    case 6: return {16838, 23811}; // A3
    case 9: return {8391, 11906};  // A5
    default: return {11906, 16838}; // A4
    }
}

double larghezzaUtile(const ModelloDocumento& modello)
{
    return (formatoCarta(modello.numeroCarta).larghezza - 2 * margineSinistraDestra) / 20.0;
}

double altezzaUtile(const ModelloDocumento& modello)
{
    return (formatoCarta(modello.numeroCarta).altezza - 2 * margineSopraSotto) / 20.0;
}

double arrotondaPari(double valore)
{
    const double sotto = std::floor(valore);
    const double resto = valore - sotto;
    if (resto > 0.5)
        return sotto + 1;
    if (resto < 0.5)
        return sotto;
    return std::fmod(sotto, 2.0) == 0 ? sotto : sotto + 1;
}

ModelloDocumento::ModelloDocumento()
{
    Blocco primo;
    primo.paragrafo.segno = carattere;
    blocchi.push_back(primo);
}

void ModelloDocumento::chiudiParagrafo()
{
    ultimoParagrafo().segno = carattere;
    Blocco nuovo;
    nuovo.paragrafo.formato = formatoParagrafo;
    nuovo.paragrafo.segno = carattere;
    blocchi.push_back(nuovo);
}

void ModelloDocumento::aggiungiTesto(const QString& testo)
{
    if (testo.isEmpty())
        return;
    std::vector<Frammento>& frammenti = ultimoParagrafo().frammenti;
    if (!frammenti.empty() && frammenti.back().immagine < 0 && frammenti.back().campo.isEmpty()
        && frammenti.back().carattere == carattere)
        frammenti.back().testo += testo;
    else
        frammenti.push_back({testo, carattere, -1});
}

void ModelloDocumento::scriviTesto(const QString& testo)
{
    ++revisione;
    QString pezzo;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (c == u'\r' || c == u'\n') {
            aggiungiTesto(pezzo);
            pezzo.clear();
            chiudiParagrafo();
            if (c == u'\r' && i + 1 < testo.size() && testo.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\f') {
            aggiungiTesto(pezzo);
            pezzo.clear();
            if (!ultimoParagrafo().vuoto())
                chiudiParagrafo();
            ultimoParagrafo().interruzionePrima = true;
        } else if (c == u'\t' || c.unicode() >= 0x20) {
            pezzo += c;
        }
        // other control characters have no place in a document and are dropped
    }
    aggiungiTesto(pezzo);
}

void ModelloDocumento::aggiungiCampo(const QString& istruzione, const QString& risultato)
{
    ++revisione;
    ultimoParagrafo().frammenti.push_back({risultato, carattere, -1, istruzione});
}

void ModelloDocumento::aggiornaCampi(const QString& istruzione, const QString& risultato)
{
    for (Blocco& b : blocchi)
        for (Frammento& f : b.paragrafo.frammenti)
            if (f.campo == istruzione && f.testo != risultato) {
                f.testo = risultato;
                ++revisione;
            }
}

void ModelloDocumento::nuovoParagrafo()
{
    ++revisione;
    chiudiParagrafo();
}

int ModelloDocumento::aggiungiTabella(int righe, int colonne)
{
    ++revisione;
    Tabella tabella;
    tabella.righe = std::max(righe, 1);
    tabella.colonne = std::max(colonne, 1);
    tabella.carattere = carattere;
    tabella.interlinea = formatoParagrafo.interlinea;
    tabella.celle.assign(static_cast<size_t>(tabella.righe * tabella.colonne),
                         Cella{QString(), formatoParagrafo.allineamento});
    tabelle.push_back(tabella);
    const int indice = static_cast<int>(tabelle.size()) - 1;

    // The table takes the place of an empty last paragraph, which moves after it; a last
    // paragraph with text, or one that separates the table from another table, stays before
    // it and a new one follows.
    Blocco blocco;
    blocco.tabella = indice;
    const bool dopoTabella = blocchi.size() >= 2 && blocchi[blocchi.size() - 2].tabella >= 0;
    if (ultimoParagrafo().vuoto() && !dopoTabella) {
        blocchi.insert(blocchi.end() - 1, blocco);
    } else {
        ultimoParagrafo().segno = carattere;
        blocchi.push_back(blocco);
        Blocco dopo;
        dopo.paragrafo.formato = formatoParagrafo;
        dopo.paragrafo.segno = carattere;
        blocchi.push_back(dopo);
    }
    return indice;
}

void ModelloDocumento::aggiungiImmagine(const Immagine& immagine)
{
    ++revisione;
    immagini.push_back(immagine);
    Frammento f;
    f.carattere = carattere;
    f.immagine = static_cast<int>(immagini.size()) - 1;
    ultimoParagrafo().frammenti.push_back(f);
}

void ModelloDocumento::selezionaDocumento()
{
    selezionato = Selezionato::Documento;
}

void ModelloDocumento::selezionaColonna(int tabella, int colonna)
{
    if (tabella < 0 || tabella >= static_cast<int>(tabelle.size()) || colonna < 1
        || colonna > tabelle[static_cast<size_t>(tabella)].colonne)
        return;
    selezionato = Selezionato::Colonna;
    tabellaSelezionata = tabella;
    colonnaSelezionata = colonna;
}

void ModelloDocumento::comprimiSelezione()
{
    selezionato = Selezionato::PuntoInserimento;
}

void ModelloDocumento::allineaSelezione(int allineamento)
{
    ++revisione;
    switch (selezionato) {
    case Selezionato::PuntoInserimento:
        ultimoParagrafo().formato.allineamento = allineamento;
        formatoParagrafo.allineamento = allineamento;
        break;
    case Selezionato::Documento:
        for (Blocco& b : blocchi)
            if (b.tabella < 0)
                b.paragrafo.formato.allineamento = allineamento;
        for (Tabella& t : tabelle)
            for (Cella& c : t.celle)
                c.allineamento = allineamento;
        formatoParagrafo.allineamento = allineamento;
        break;
    case Selezionato::Colonna: {
        Tabella& t = tabelle[static_cast<size_t>(tabellaSelezionata)];
        for (int riga = 1; riga <= t.righe; ++riga)
            t.cella(riga, colonnaSelezionata)->allineamento = allineamento;
        break;
    }
    }
}

int ModelloDocumento::allineamentoSelezione() const
{
    if (selezionato == Selezionato::Colonna)
        return tabelle[static_cast<size_t>(tabellaSelezionata)].cella(1, colonnaSelezionata)->allineamento;
    if (selezionato == Selezionato::Documento)
        return blocchi.front().tabella < 0 ? blocchi.front().paragrafo.formato.allineamento
                                           : formatoParagrafo.allineamento;
    return ultimoParagrafo().formato.allineamento;
}

void ModelloDocumento::interlineaSelezione(double punti)
{
    if (selezionato != Selezionato::PuntoInserimento) {
        interlineaTutto(punti);
        return;
    }
    ++revisione;
    ultimoParagrafo().formato.interlinea = punti;
    formatoParagrafo.interlinea = punti;
}

void ModelloDocumento::interlineaTutto(double punti)
{
    ++revisione;
    for (Blocco& b : blocchi)
        if (b.tabella < 0)
            b.paragrafo.formato.interlinea = punti;
    for (Tabella& t : tabelle)
        t.interlinea = punti;
    formatoParagrafo.interlinea = punti;
}

bool ModelloDocumento::formatoAutomatico(int tabella, int formato)
{
    if (tabella < 0 || tabella >= static_cast<int>(tabelle.size()))
        return false;
    if (formato != 0 && formato != 9)
        return false;
    ++revisione;
    tabelle[static_cast<size_t>(tabella)].formatoAutomatico = formato;
    return true;
}

void ModelloDocumento::scriviCella(int tabella, int riga, int colonna, const QString& testo)
{
    if (tabella < 0 || tabella >= static_cast<int>(tabelle.size()))
        return;
    Cella* c = tabelle[static_cast<size_t>(tabella)].cella(riga, colonna);
    if (!c)
        return;
    ++revisione;
    QString pulito;
    pulito.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar ch = testo.at(i);
        if (ch == u'\n' && i > 0 && testo.at(i - 1) == u'\r')
            continue;
        if (ch == u'\r' || ch == u'\n')
            pulito += u'\r';
        else if (ch == u'\t' || ch.unicode() >= 0x20)
            pulito += ch;
    }
    c->testo = pulito;
}

} // namespace office
