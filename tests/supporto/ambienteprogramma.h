// What the tests of the program's windows share: the program put back as at start before and
// after each test, a documents folder of the test's own, and the document a command delivered.
#pragma once

#include "supporto/ambientedocumento.h"
#include "supporto/doppi.h"

class AmbienteProgramma : public AmbienteDocumento {
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
    // Runs a command that must deliver one document, and reads that document.
    template <class Comando>
    lettura::Documento consegnato(Comando comando)
    {
        const QStringList prima = fileConsegnati();
        comando();
        QStringList nuovi = fileConsegnati();
        for (const QString& f : prima)
            nuovi.removeOne(f);
        EXPECT_EQ(nuovi.size(), 1);
        return nuovi.size() == 1 ? lettura::leggiFile(cartellaDocumenti() + "/" + nuovi.first()) : lettura::Documento();
    }
};
