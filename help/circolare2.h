#pragma once
// Chapter II of the circular on sewer design: the outline design (main window 5).

#include "frame/nomifinestre.h"
#include "help/capitolo.h"

class circolare2 : public Capitolo {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::circolare2;
    circolare2();
};
