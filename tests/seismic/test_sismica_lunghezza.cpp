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
        QString finale = QString(); // what the kept text ends with, shown in the message
    } casi[] = {
        {campo::riferimento, "riferimento", 10000, true},
        {campo::materiale, "materiale", lunghezzaTestoTubo + 1, true},
        {campo::riferimento, "riferimento", lunghezzaTestoTubo, false},
        {campo::materiale, "materiale", lunghezzaTestoTubo, false},
        // A pasted text that looks like the message's own placeholders is shown as it is.
        {campo::riferimento, "riferimento", lunghezzaTestoTubo + 20, true, QStringLiteral("a %1%5 b")},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.lunghezza);
        SCOPED_TRACE(c.nome);
        QLineEdit* casella = finestra().datisismici[c.numero];
        casella->clear();
        messaggi().visti.clear();
        QString testo = QStringLiteral("tubo ") + QString(c.lunghezza - 5, u'z');
        testo.replace(lunghezzaTestoTubo - c.finale.size(), c.finale.size(), c.finale);
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
        const int tagliati = c.lunghezza - lunghezzaTestoTubo;
        EXPECT_TRUE(m.contains(tagliati == 1 ? QStringLiteral(" e il carattere seguente non è stato inserito.")
                                             : QStringLiteral(" e i %1 caratteri seguenti").arg(tagliati)))
            << qPrintable(m);
        EXPECT_TRUE(m.contains(c.finale + QStringLiteral("\")"))) << qPrintable(m);
    }
}

} // namespace
