#pragma once
// Stand-in windows for the frame's tests, registered under the names of the
// program's windows that the frame reaches by name.

#include "frame/finestraprincipale.h"

#include <QLineEdit>
#include <QStringList>
#include <gtest/gtest.h>

// What the stand-ins did, in order ("load dati", "unload sommario", "apri dati"...).
QStringList& eventi();

class PrincipaleProva : public FinestraPrincipale {
public:
    PrincipaleProva(const QString& nome, int numero);
    QLineEdit* casella;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void comandoApri() override;
    void comandoSalva() override;
    void comandoElimina() override;
    void comandoStampa() override;
    void comandoControllo() override;
    void comandoCancella() override;
};

class SecondariaProva : public Finestra {
public:
    explicit SecondariaProva(const QString& nome);
    QLineEdit* casella;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool chiusuraNasconde() const override { return true; }
};

// A secondary window that no part of the program builds, always a stand-in.
inline constexpr char secondariaDiProva[] = "secondariaprova";

// Registers the stand-ins for the main windows, for every other window of the
// exit order and help window that the program does not build, and for
// secondariaDiProva.
void registraFinestreProva();
// The secondary windows that are stand-ins (the main windows always are).
const QStringList& finestreSostituite();

// Tests with the stand-ins registered, a clean start, and the end of the
// program counted instead of carried out.
class ConFinestreDiProva : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lets deferred deletions and the end-of-program check run.
    static void scorri();
    int fini = 0;
};
