// Common main of the test executables: one QApplication for the whole run,
// with the test doubles of the platform services installed.
#include "frame/applicazione.h"
#include "frame/servizi.h"
#include "supporto/doppi.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applicazione::prepara();
    servizi::installa(&doppi::messaggi());
    servizi::installa(&doppi::dialoghi());
    servizi::installa(&doppi::shell());
    servizi::installa(&doppi::musica());
    servizi::installa(&doppi::stampa());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
