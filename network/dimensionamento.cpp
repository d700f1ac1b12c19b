#include "network/dimensionamento.h"

#include "network/classipendenza.h"

#include <cmath>
#include <numbers>

namespace rete {

namespace {

// Foul flow: share of the allowance that reaches the sewer, peak-hour
// factor and hours of discharge a day.
constexpr double coefficienteafflusso = 0.80;
constexpr double coefficientemassimoconsumo = 2.25;
constexpr double orefunzionamento = 16.0;

} // namespace

double arrotonda2(double valore)
{
    // "+ 0.0" turns a negative zero (-0.001 rounded) into a plain 0.
    return std::round(valore * 100.0) / 100.0 + 0.0;
}

double portatameteorica(double coefdeflusso, double superficie, double pioggia)
{
    return coefdeflusso * superficie * pioggia * 10000.0 / 3600.0;
}

double portatareflua(double dotazione, double abitanti)
{
    return coefficienteafflusso * dotazione * coefficientemassimoconsumo * abitanti
        / (3600.0 * orefunzionamento);
}

double pendenzatratto(double dislivello, double lunghezza)
{
    if (!(lunghezza > 0))
        return 0;
    return std::abs(dislivello) / lunghezza;
}

double velocitakutter(int diametro, double pendenza)
{
    const double raggioidraulico = diametro / 100.0 / 4.0;   // full circular pipe, m
    const double radice = std::sqrt(raggioidraulico);
    return 100.0 / (1.0 + scabrezzakutter / radice) * std::sqrt(raggioidraulico * pendenza);
}

double portatapiena(int diametro, double pendenza)
{
    const double d = diametro / 100.0;   // m
    const double area = std::numbers::pi * d * d / 4.0;
    return area * velocitakutter(diametro, pendenza) * 1000.0;   // m3/s to l/s
}

double riempimentoefficace(double riempimento)
{
    return riempimento > 0 ? riempimento : 100.0;
}

std::optional<int> diametroteorico(double portata, double pendenza, double riempimento)
{
    if (!(pendenza > 0))
        return std::nullopt;
    const double frazione = riempimentoefficace(riempimento) / 100.0;
    for (int d = diametrominimo; d <= diametromassimo; ++d) {
        if (portatapiena(d, pendenza) * frazione >= portata)
            return d;
    }
    return std::nullopt;
}

RisultatiTratto dimensionatratto(const DatiTratto& dati, const QString& sistema)
{
    const bool pioggia = sistema != QLatin1String("nere");
    const bool nera = sistema != QLatin1String("bianche");

    const double meteorica = pioggia
        ? portatameteorica(coefficientedeflusso(dati.coefsuperficie, dati.classependenza),
                           dati.superficie, dati.pioggia)
        : 0.0;
    const double reflua = nera ? portatareflua(dati.dotazione, dati.abitanti) : 0.0;
    const double totale = meteorica + reflua + dati.portatacollettori;

    RisultatiTratto r;
    r.portatapioggia = arrotonda2(meteorica);
    r.portatanera = arrotonda2(reflua);
    r.portatatotale = arrotonda2(totale);

    const double j = pendenzatratto(dati.dislivello, dati.lunghezza);
    if (!(j > 0)) {
        r.esito = Esito::senzapendenza;
        return r;
    }
    const std::optional<int> diametro = diametroteorico(totale, j, dati.riempimento);
    if (!diametro) {
        r.esito = Esito::oltrelimite;
        return r;
    }
    r.diametro = *diametro;
    r.velocita = arrotonda2(velocitakutter(*diametro, j));
    r.esito = Esito::dimensionato;
    return r;
}

} // namespace rete
