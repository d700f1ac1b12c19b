#include "help/circolare.h"

#include "frame/finestre.h"

VELMOR_FINESTRA(circolare);

circolare::circolare() : Capitolo(NOME, 4) {}
