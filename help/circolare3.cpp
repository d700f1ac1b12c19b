#include "help/circolare3.h"

#include "frame/finestre.h"

VELMOR_FINESTRA(circolare3);

circolare3::circolare3() : Capitolo(NOME, 6) {}
