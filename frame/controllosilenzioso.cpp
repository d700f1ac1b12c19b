#include "frame/controllosilenzioso.h"

#include "frame/ModVelmor.h"

namespace ModVelmor {

bool controlloSilenzioso(const std::function<void()>& controllo)
{
    erroredati = Valore(1);
    controllo();
    return erroredati.eNumero() && erroredati.numero() == 0;
}

} // namespace ModVelmor
