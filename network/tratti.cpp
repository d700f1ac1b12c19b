#include "network/tratti.h"

#include "frame/ModVelmor.h"
#include "network/classipendenza.h"
#include "network/dimensionamento.h"

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

// A value the check needs: missing when empty or when it does not read as a number.
bool manca(const Valore& v)
{
    return v.vuoto() || !v.numerico();
}
// A value that is there but does not read as a number.
bool illeggibile(const Valore& v)
{
    return !v.vuoto() && !v.numerico();
}

void svuotarisultati(int t)
{
    portatapioggia[t] = Valore();
    portatanera[t] = Valore();
    portatatotale[t] = Valore();
    diametro[t] = Valore();
    velocita[t] = Valore();
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

    const rete::RisultatiTratto r = rete::dimensionatratto(dati, sistema);
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
    if (manca(lunghezza[t]))
        return QStringLiteral("- digitare la lunghezza.");
    if (manca(dislivello[t]))
        return QStringLiteral("- manca il dato del dislivello.");
    if (manca(portatacollettori[t]))
        return QStringLiteral("- digitare la 'portata c' dovuta ai collettori secondari che vi si immettono.");
    if (tipo != "nere") {
        if (tiposuperficie[t].vuoto() || illeggibile(coefsuperficie[t]))
            return QStringLiteral("- scegliere il tipo di superficie del bacino.");
        if (pendenza[t].vuoto() || illeggibile(coefpendenza[t]))
            return QStringLiteral("- scegliere la pendenza media del bacino confluente.");
    }
    if (tipo != "bianche") {
        if (manca(abitanti[t]))
            return QStringLiteral("- digitare il numero massimo dei residenti nel bacino confluente.");
        if (manca(dotazione[t]))
            return QStringLiteral("- digitare la dotazione idrica giornaliera per abitante.");
    }
    if (tipo != "nere") {
        if (manca(superficie[t]))
            return QStringLiteral("- digitare la superficie scolante (il bacino confluente).");
        if (manca(pioggia[t]))
            return QStringLiteral("- digitare i mm.orari di pioggia della massima intensità verificantesi una volta l'anno.");
    }
    if (riempimentofuori(riempimento[t]))
        return rigariempimento();
    return {};
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
    for (int t = 1; t <= numerotratti && t <= massimotratti; ++t)
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
