// What the tests of the seismic window share: a clean start, typing into its
// boxes through the keyboard, and a pipe with every field filled.
#pragma once

#include "supporto/doppi.h"

#include "frame/finestre.h"
#include "seismic/campitubo.h"
#include "seismic/sismica.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

class ConSismica : public ConRipristino {
protected:

    static sismica& finestra() { return finestre::forma<sismica>(); }

    // Replaces the text of box `numero` by typing, key by key, as a user does.
    static void digita(int numero, const QString& testo)
    {
        QLineEdit* casella = finestra().datisismici[numero];
        casella->selectAll();
        if (testo.isEmpty())
            QTest::keyClick(casella, Qt::Key_Backspace);
        else
            QTest::keyClicks(casella, testo);
    }

    // A concrete pipe of 100 cm with walls of 10 cm under 1.5 m of fill; the
    // increment, the wheel and its imprint keep the window's presets.
    static void digitaTuboCompleto(const QString& riferimento = QStringLiteral("tratto 1-2"))
    {
        using namespace tubazioni;
        digita(campo::riferimento, riferimento);
        digita(campo::materiale, QStringLiteral("calcestruzzo"));
        digita(campo::pesos, QStringLiteral("2500"));
        digita(campo::compr, QStringLiteral("1000"));
        digita(campo::traz, QStringLiteral("1000"));
        digita(campo::diam, QStringLiteral("100"));
        digita(campo::spess, QStringLiteral("100"));
        digita(campo::altez, QStringLiteral("150"));
        digita(campo::pesot, QStringLiteral("1800"));
        digita(campo::attr, QStringLiteral("30"));
    }

    static int ultimiMessaggi() { return int(doppi::messaggi().visti.size()); }
};
