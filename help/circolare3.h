#pragma once
// Chapter III of the circular on sewer design: the detailed design (main window 6).

#include "frame/nomifinestre.h"
#include "help/capitolo.h"

class circolare3 : public Capitolo {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::circolare3;
    circolare3();
};
