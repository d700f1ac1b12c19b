#pragma once
// Chapter II of the circular on sewer design: the outline design (main window 5).

#include "help/capitolo.h"

class circolare2 : public Capitolo {
    Q_OBJECT
public:
    static constexpr char NOME[] = "circolare2";
    circolare2();
};
