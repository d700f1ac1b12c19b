// The pipe's reference and material hold at most the length a report line shows: a longer
// text typed or pasted is cut and the user told, so the save never refuses the pipe's line.
#include "sismica_prova.h"

#include "frame/ModVelmor.h"
#include "frame/tubi.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace doppi;
using namespace tubazioni;

namespace {

using SismicaLunghezza = ConSismica;

TEST_F(SismicaLunghezza, RiferimentoEMaterialeTenutiAlLimiteEDetto)
{
    const struct {
        int numero;
        const char* nome;
        int lunghezza;
        bool tagliato;
    } casi[] = {
        {campo::riferimento, "riferimento", 10000, true},
        {campo::materiale, "materiale", lunghezzaTestoTubo + 1, true},
        {campo::riferimento, "riferimento", lunghezzaTestoTubo, false},
        {campo::materiale, "materiale", lunghezzaTestoTubo, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.lunghezza);
        SCOPED_TRACE(c.nome);
        QLineEdit* casella = finestra().datisismici[c.numero];
        casella->clear();
        messaggi().visti.clear();
        const QString testo = QStringLiteral("tubo ") + QString(c.lunghezza - 5, u'z');
        QGuiApplication::clipboard()->setText(testo);
        casella->paste();
        EXPECT_EQ(casella->text(), testo.left(lunghezzaTestoTubo));
        EXPECT_EQ(valoreCampo(c.numero, 1), Valore(testo.left(lunghezzaTestoTubo)));
        if (!c.tagliato) {
            EXPECT_TRUE(messaggi().visti.empty());
            continue;
        }
        ASSERT_EQ(messaggi().visti.size(), 1u);
        const QString& m = messaggi().visti[0].testo;
        EXPECT_TRUE(m.startsWith(QStringLiteral("Il testo inserito nella casella %1 supera i %2 caratteri")
                                     .arg(c.nome)
                                     .arg(lunghezzaTestoTubo)))
            << qPrintable(m);
        EXPECT_TRUE(m.contains(QStringLiteral("i %1 caratteri seguenti").arg(c.lunghezza - lunghezzaTestoTubo)))
            << qPrintable(m);
    }
}

} // namespace
