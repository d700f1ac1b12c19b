#include "seismic/campitubo.h"

#include "frame/valore.h"

#include <array>

namespace tubazioni {

namespace {

const std::array<DescrizioneCampo, numeroCampi + 1> campi = {{
    {"", "", "", ""},
    {"riferimento", "riferimento della verifica", "", "il riferimento della verifica (ad esempio il tratto o la strada)"},
    {"materiale", "materiale della tubazione", "", "il materiale della tubazione"},
    {"pesos", "peso specifico del tubo", "kg/mc", "il peso specifico del materiale del tubo, in kg/mc"},
    {"compr", "resistenza a compressione", "kg/cmq", "la tensione ammissibile a compressione del materiale (non la resistenza a rottura), in kg/cmq"},
    {"traz", "resistenza a trazione", "kg/cmq", "la tensione ammissibile a trazione del materiale (non la resistenza a rottura), in kg/cmq"},
    {"diam", "diametro interno", "cm", "il diametro interno del tubo, in cm"},
    {"spess", "spessore della parete", "mm", "lo spessore della parete del tubo, in mm"},
    {"peso", "peso a metro lineare", "kg/ml", ""},  // computed, never asked for
    {"altez", "altezza del terrapieno", "cm", "l'altezza del terrapieno sopra il tubo, in cm"},
    {"pesot", "peso specifico terreno", "kg/mc", "il peso specifico del terreno di riempimento, in kg/mc"},
    {"attr", "angolo di attrito", "gradi", "l'angolo di attrito del terreno, in gradi"},
    {"incr", "incremento sismico (m)", "", "l'incremento sismico verticale (2; 1 nelle zone non sismiche)"},
    {"press", "carico della ruota", "tonn.", "il carico della ruota di un camion sulla strada, in tonnellate"},
    {"bmin", "impronta: lato minore", "cm", "il lato minore dell'impronta della ruota, in cm"},
    {"bmax", "impronta: lato maggiore", "cm", "il lato maggiore dell'impronta della ruota, in cm"},
}};

}  // namespace

const DescrizioneCampo& descrizioneCampo(int numero)
{
    return campi.at(numero >= 1 && numero <= numeroCampi ? numero : 0);
}

Lettura leggiTesto(const QString& testo)
{
    if (testo.trimmed().isEmpty())
        return Lettura::Vuoto;
    if (Valore(testo).numerico())
        return Lettura::Numero;
    return numeroIncompleto(testo) ? Lettura::Incompleto : Lettura::NonNumero;
}

} // namespace tubazioni
