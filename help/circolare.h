#pragma once
// Chapter I of the circular on sewer design: definitions (main window 4).

#include "help/capitolo.h"

class circolare : public Capitolo {
    Q_OBJECT
public:
    static constexpr char NOME[] = "circolare";
    circolare();
};
