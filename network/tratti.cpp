#include "network/tratti.h"

#include "frame/ModVelmor.h"
#include "frame/formati.h"
#include "network/classipendenza.h"
#include "network/dimensionamento.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <utility>

using namespace ModVelmor;

namespace tratti {

int contatratti()
{
    int n = 0;
    for (int t = 1; t <= massimotratti; ++t)
        if (std::as_const(lunghezza)[t].numero() > 0)
            ++n;
    numerotratti = n;
    return n;
}

namespace {

bool porta(Valore& campo, const Valore& valore)
{
    if (campo == valore)
        return false;
    campo = valore;
    return true;
}

} // namespace

bool completatratto(int t, std::optional<Campo> inModifica)
{
    if (t < 1 || t > massimotratti)
        return false;
    const auto libero = [&](Campo c) { return inModifica != c; };
    bool cambiato = false;
    if (sistema == "bianche") {
        cambiato |= porta(dotazione[t], Valore(0));
        cambiato |= porta(abitanti[t], Valore(0));
    } else if (sistema == "nere") {
        cambiato |= porta(pioggia[t], Valore(0));
        cambiato |= porta(superficie[t], Valore(0));
    }
    if (lunghezza[t].numero() <= 0)
        return cambiato;
    if (dotazione[t].vuoto() && libero(Campo::dotazione)) {
        const bool precedente = t > 1 && !dotazione[t - 1].vuoto();
        cambiato |= porta(dotazione[t], precedente ? dotazione[t - 1] : Valore(dotazionepredefinita));
    }
    if (pioggia[t].vuoto() && libero(Campo::pioggia) && t > 1 && !pioggia[t - 1].vuoto())
        cambiato |= porta(pioggia[t], pioggia[t - 1]);
    if (portatacollettori[t].vuoto() && libero(Campo::portatacollettori) && !numerosuperficie[t].vuoto())
        cambiato |= porta(portatacollettori[t], Valore(0));
    if (riempimento[t].vuoto() && libero(Campo::riempimento))
        cambiato |= porta(riempimento[t], Valore(riempimentopredefinito));
    return cambiato;
}

namespace {

bool riempimentofuori(const Valore& v)
{
    return !v.vuoto() && (!v.numerico() || v.numero() < riempimentominimo || v.numero() > riempimentomassimo);
}

// Blanks alone are what a box holds before its number is typed: a missing value.
bool mancante(const Valore& v)
{
    return v.vuoto() || (v.eTesto() && v.testo().trimmed().isEmpty());
}
// A value that is there but does not read as a number.
bool illeggibile(const Valore& v)
{
    return !mancante(v) && !v.numerico();
}

// The check's line for a typed value: `manca` when it is missing, a line that names it
// (`nome`) and says how to write it when it is no number, nothing when it reads as one.
QString rigaDato(const Valore& v, const char* manca, const char* nome)
{
    if (mancante(v))
        return QString::fromUtf8(manca);
    if (!v.numerico()) {
        constexpr int mostrati = 30; // of a pasted text, enough to find it in the row
        return "- il dato " + QString::fromUtf8(nome) + " ('" + v.testo().left(mostrati)
               + "') non è un numero: digitare un numero con il punto per i decimali (ad esempio 12.5).";
    }
    return {};
}

// The segment's fields as the sizing reads them.
rete::DatiTratto datiTratto(int t)
{
    rete::DatiTratto dati;
    dati.lunghezza = lunghezza[t].numero();
    dati.dislivello = dislivello[t].numero();
    dati.coefsuperficie = coefsuperficie[t].numero();
    dati.classependenza = coefpendenza[t].vuoto() ? 0 : rete::classedacoefficiente(coefpendenza[t].numero());
    dati.portatacollettori = portatacollettori[t].numero();
    dati.abitanti = abitanti[t].numero();
    dati.dotazione = dotazione[t].numero();
    dati.superficie = superficie[t].numero();
    dati.pioggia = pioggia[t].numero();
    dati.riempimento = riempimento[t].vuoto() ? riempimentopredefinito : riempimento[t].numero();
    return dati;
}

void svuotarisultati(int t)
{
    portatapioggia[t] = Valore();
    portatanera[t] = Valore();
    portatatotale[t] = Valore();
    diametro[t] = Valore();
    velocita[t] = Valore();
}

// For a segment whose values all read as numbers: what its sizing refuses (a length not above 0,
// no height difference, a flow no pipe up to the largest carries), empty when it sizes it.
QString rigadimensionamento(int t, const QString& tipo)
{
    if (lunghezza[t].numero() <= 0)
        return "- la lunghezza deve essere maggiore di zero (ora è " + lunghezza[t].testo().trimmed() + ").";
    if (dislivello[t].numero() == 0)
        return QStringLiteral("- il dislivello è zero: senza pendenza il tubo del tratto non si può dimensionare.");
    const rete::RisultatiTratto r = rete::dimensionatratto(datiTratto(t), tipo);
    if (r.esito == rete::Esito::dimensionato)
        return {};
    const QString portata =
        std::isfinite(r.portatatotale)
            ? "la portata totale di " + Format(Valore(r.portatatotale), QStringLiteral("##0.00")) + " l/s"
            : QStringLiteral("una portata totale così grande");
    return "- nessun tubo fino a " + QString::number(rete::diametromassimo) + " cm di diametro porta " + portata
           + ": controllare i dati del tratto.";
}

} // namespace

Esito dimensiona(int t)
{
    if (t < 1 || t > massimotratti)
        return Esito::nonrichiesto;
    const Valore* numerici[] = {&lunghezza[t],      &dislivello[t],  &portatacollettori[t], &abitanti[t],
                                &dotazione[t],      &superficie[t],  &pioggia[t],           &riempimento[t],
                                &coefsuperficie[t], &coefpendenza[t]};
    Esito lettura = Esito::dimensionato;
    for (const Valore* v : numerici) {
        if (v->vuoto() || v->numerico())
            continue;
        if (numeroIncompleto(v->testo())) {
            lettura = Esito::incompleto;
            continue;
        }
        svuotarisultati(t);
        return Esito::noninterpretabile;
    }
    if (lettura == Esito::incompleto) {
        svuotarisultati(t);
        return Esito::incompleto;
    }
    if (riempimentofuori(riempimento[t])) {
        svuotarisultati(t);
        return Esito::riempimentoerrato;
    }
    if (lunghezza[t].numero() == 0 || dislivello[t].numero() == 0 || dotazione[t].vuoto() || abitanti[t].vuoto()) {
        svuotarisultati(t);
        return Esito::nonrichiesto;
    }

    const rete::RisultatiTratto r = rete::dimensionatratto(datiTratto(t), sistema);
    portatapioggia[t] = Valore(r.portatapioggia);
    portatanera[t] = Valore(r.portatanera);
    portatatotale[t] = Valore(r.portatatotale);
    if (r.esito == rete::Esito::dimensionato) {
        diametro[t] = Valore(r.diametro);
        velocita[t] = Valore(r.velocita);
        return Esito::dimensionato;
    }
    diametro[t] = Valore();
    velocita[t] = Valore();
    return r.esito == rete::Esito::oltrelimite ? Esito::oltrelimite : Esito::nonrichiesto;
}

QString primodatomancante(int t, const QString& tipo)
{
    QString riga;
    const auto prima = [&riga](const Valore& v, const char* manca, const char* nome) {
        if (riga.isEmpty())
            riga = rigaDato(v, manca, nome);
        return !riga.isEmpty();
    };
    if (prima(lunghezza[t], "- digitare la lunghezza.", "della lunghezza")
        || prima(dislivello[t], "- manca il dato del dislivello.", "del dislivello")
        || prima(portatacollettori[t], "- digitare la 'portata c' dovuta ai collettori secondari che vi si immettono.",
                 "della 'portata c'"))
        return riga;
    if (tipo != "nere") {
        if (tiposuperficie[t].vuoto() || illeggibile(coefsuperficie[t]))
            return QStringLiteral("- scegliere il tipo di superficie del bacino.");
        if (pendenza[t].vuoto() || illeggibile(coefpendenza[t]))
            return QStringLiteral("- scegliere la pendenza media del bacino confluente.");
    }
    if (tipo != "bianche"
        && (prima(abitanti[t], "- digitare il numero massimo dei residenti nel bacino confluente.", "dei residenti")
            || prima(dotazione[t], "- digitare la dotazione idrica giornaliera per abitante.", "della dotazione")))
        return riga;
    if (tipo != "nere"
        && (prima(superficie[t], "- digitare la superficie scolante (il bacino confluente).",
                  "della superficie scolante")
            || prima(pioggia[t],
                     "- digitare i mm.orari di pioggia della massima intensità verificantesi una volta l'anno.",
                     "della pioggia")))
        return riga;
    if (riempimentofuori(riempimento[t]))
        return rigariempimento();
    return rigadimensionamento(t, tipo);
}

int primotrattoincompleto()
{
    static std::bitset<massimotratti + 1> incompleti;
    static QString sistemaVisto;
    if (sistema != sistemaVisto) {
        sistemaVisto = sistema;
        trattiCambiati.set();
    }
    if (trattiCambiati.any()) {
        for (int t = 1; t <= massimotratti; ++t)
            if (trattiCambiati.test(std::size_t(t)))
                incompleti.set(std::size_t(t), !primodatomancante(t, sistema).isEmpty());
        trattiCambiati.reset(); // also the marks the check's own reads left
    }
    // The count leaves out lengths not above zero; a last segment typed with one is still the
    // user's and must be told, not dropped from the save.
    int ultimo = std::min(numerotratti, int(massimotratti));
    for (int t = massimotratti; t > ultimo; --t)
        if (!std::as_const(lunghezza)[t].vuoto()) {
            ultimo = t;
            break;
        }
    for (int t = 1; t <= ultimo; ++t)
        if (incompleti.test(std::size_t(t)))
            return t;
    return 0;
}

QString rigariempimento()
{
    return QStringLiteral(
        "- la percentuale della sezione occupata dalle acque ('sez.') deve essere un numero da 10 a 100.");
}

} // namespace tratti
