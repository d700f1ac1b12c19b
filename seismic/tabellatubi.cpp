#include "seismic/tabellatubi.h"

#include "frame/ModVelmor.h"
#include "seismic/campitubo.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmor::sismica {

namespace {

using ModVelmor::Tubi;
using ModVelmor::massimotubi;

// The shared arrays by field number; the material has an array of its own.
Tubi* tabella(int numero)
{
    static const std::array<Tubi*, numeroCampi + 1> tabelle = {
        nullptr,           &ModVelmor::riferimento, nullptr,           &ModVelmor::pesos,
        &ModVelmor::compr, &ModVelmor::traz,        &ModVelmor::diam,  &ModVelmor::spess,
        &ModVelmor::peso,  &ModVelmor::altez,       &ModVelmor::pesot, &ModVelmor::attr,
        &ModVelmor::incr,  &ModVelmor::press,       &ModVelmor::bmin,  &ModVelmor::bmax,
    };
    return tabelle.at(numero);
}

Valore vuoto() { return Valore(QString()); }

void preimposta(Tubi& campi, double valore)
{
    for (int i = 1; i <= massimotubi; ++i)
        if (campi[i].vuoto())
            campi[i] = Valore(valore);
}

}  // namespace

Valore valoreCampo(int numero, int tubo)
{
    if (numero == campo::materiale)
        return Valore(ModVelmor::materiale.at(tubo));
    return tabella(numero)->at(tubo);
}

void impostaCampo(int numero, int tubo, const Valore& valore)
{
    if (numero == campo::materiale)
        ModVelmor::materiale.at(tubo) = valore.testo();
    else
        tabella(numero)->at(tubo) = valore;
}

int ultimoTubo()
{
    for (int i = massimotubi; i >= 1; --i)
        if (!ModVelmor::pesos[i].vuoto())
            return i;
    return 0;
}

void contaTubi()
{
    if (const int n = ultimoTubo(); n > 0)
        ModVelmor::numerotubi = Valore(n);
}

int numeroTubi()
{
    const double n = ModVelmor::numerotubi.numero();
    return n >= 1 ? std::min(int(n), massimotubi) : 0;
}

void impostaValoriIniziali()
{
    preimposta(ModVelmor::incr, 2);
    preimposta(ModVelmor::press, 8);
    preimposta(ModVelmor::bmin, 20);
    preimposta(ModVelmor::bmax, 50);
}

void svuotaTubi()
{
    ModVelmor::svuotaTubi();
    impostaValoriIniziali();
    ModVelmor::numerotubi = Valore(0);
}

DatiTubo datiTubo(int i)
{
    using namespace ModVelmor;
    return {.pesos = pesos[i].numero(),
            .compr = compr[i].numero(),
            .traz = traz[i].numero(),
            .diam = diam[i].numero(),
            .spess = spess[i].numero(),
            .peso = peso[i].numero(),
            .altez = altez[i].numero(),
            .pesot = pesot[i].numero(),
            .attr = attr[i].numero(),
            .incr = incr[i].numero(),
            .press = press[i].numero(),
            .bmin = bmin[i].numero(),
            .bmax = bmax[i].numero()};
}

CampiVuoti campiVuoti(int i)
{
    using namespace ModVelmor;
    return {.pesos = pesos[i].vuoto(),
            .attr = attr[i].vuoto(),
            .bmin = bmin[i].vuoto(),
            .bmax = bmax[i].vuoto(),
            .altez = altez[i].vuoto()};
}

int campoNonNumerico(int tubo)
{
    for (int numero = campo::pesos; numero <= campo::bmax; ++numero) {
        if (numero == campo::peso)
            continue;
        const Valore& v = tabella(numero)->at(tubo);
        if (v.vuoto() || !v.numerico())
            return numero;
    }
    return 0;
}

std::optional<RisultatoVerifica> ricalcolaTubo(int i)
{
    using namespace ModVelmor;
    // Data too large for the computation leave the weight empty: an infinite
    // one would be saved as a number no file can hold.
    const auto letto = [](const Valore& v) { return !v.vuoto() && v.numerico(); };
    const bool leggibili = letto(diam.at(i)) && letto(spess[i]) && letto(pesos[i]);
    const double calcolato = leggibili ? pesoTubo(diam[i].numero(), spess[i].numero(), pesos[i].numero()) : 0;
    peso[i] = leggibili && std::isfinite(calcolato) ? Valore(calcolato) : vuoto();

    if (campoNonNumerico(i) != 0)
        return std::nullopt;
    const DatiTubo dati = datiTubo(i);
    if (!verificaEseguibile(dati, campiVuoti(i)))
        return std::nullopt;
    const RisultatoVerifica ris = verificaTubo(dati);
    sigmasuperiore[1][i] = Valore(ris.superiore.compressione);
    sigmasuperiore[2][i] = Valore(ris.superiore.trazione);
    sigmamediana[1][i] = Valore(ris.mediana.compressione);
    sigmamediana[2][i] = Valore(ris.mediana.trazione);
    sigmainferiore[1][i] = Valore(ris.inferiore.compressione);
    sigmainferiore[2][i] = Valore(ris.inferiore.trazione);
    return ris;
}

}  // namespace velmor::sismica
