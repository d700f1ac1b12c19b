#include "frame/tubi.h"

#include "frame/ModVelmor.h"

#include <algorithm>
#include <array>

namespace tubazioni {

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

} // namespace tubazioni
