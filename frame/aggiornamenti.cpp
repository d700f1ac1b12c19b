#include "frame/aggiornamenti.h"

Aggiornamenti& Aggiornamenti::istanza()
{
    static Aggiornamenti unico;
    return unico;
}
