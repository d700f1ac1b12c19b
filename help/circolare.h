#pragma once
// Chapter I of the circular on sewer design: definitions (main window 4).

#include "frame/nomifinestre.h"
#include "help/capitolo.h"

class circolare : public Capitolo {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::circolare;
    circolare();
};
