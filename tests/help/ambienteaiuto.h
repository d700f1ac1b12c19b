// The help tests' fixture: documents written to a folder of the test's own, and the program put
// back as at start before and after.
#pragma once

#include "supporto/ambientedocumento.h"
#include "supporto/doppi.h"

class AmbienteAiuto : public AmbienteDocumento {
protected:
    void SetUp() override
    {
        ripristina();
        AmbienteDocumento::SetUp();
    }
    void TearDown() override
    {
        AmbienteDocumento::TearDown();
        ripristina();
    }
};
