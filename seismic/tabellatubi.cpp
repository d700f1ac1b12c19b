#include "seismic/tabellatubi.h"

#include "frame/ModVelmor.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tubazioni {

namespace {

Valore vuoto() { return Valore(QString()); }

}  // namespace

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
        const Valore v = valoreCampo(numero, tubo);
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

} // namespace tubazioni
