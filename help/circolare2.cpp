#include "help/circolare2.h"

#include "frame/finestre.h"

VELMOR_FINESTRA(circolare2);

circolare2::circolare2() : Capitolo(NOME, 5) {}
