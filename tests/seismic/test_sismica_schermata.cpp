// A developer's helper, not run by ctest: shows the seismic window with a
// typed pipe for a while, so that it can be looked at or photographed:
//   QT_QPA_PLATFORM=xcb test_seismic --gtest_also_run_disabled_tests
//       --gtest_filter='SismicaSchermata.DISABLED_Mostra'
// (VELMOR_SECONDI sets how long the window stays up, 10 seconds by default).
#include "supporto/doppi.h"

#include "frame/finestre.h"
#include "seismic/campitubo.h"
#include "seismic/sismica.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace velmor::sismica;

TEST(SismicaSchermata, DISABLED_Mostra)
{
    ripristina();
    finestre::mostra("sismica");
    auto& s = finestre::forma<sismica>();
    const char* valori[] = {"", "Via Roma, tratto 4-5", "calcestruzzo armato vibrato", "2500", "400", "30", "100",
                            "100", "", "150", "1800", "30"};
    for (int c = campo::riferimento; c <= campo::attr; ++c)
        if (c != campo::peso)
            s.datisismici[c]->setText(valori[c]);
    const int secondi = qEnvironmentVariableIntValue("VELMOR_SECONDI");
    QTimer::singleShot((secondi > 0 ? secondi : 10) * 1000, qApp, &QApplication::quit);
    QApplication::exec();
    ripristina();
}
