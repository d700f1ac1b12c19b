// A text pasted or typed into a box past what the box holds (a title-page box, a pipe's
// reference or material): cut where the inserted part passes the limit, the shared data holding
// what the box shows, and the user told once per edit what was cut and where.
#include "supporto/doppi.h"

#include "archivi/archivi.h"
#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "frame/tubi.h"
#include "report/frontespizio.h"
#include "seismic/sismica.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace doppi;
using namespace tubazioni;

namespace {

using CaselleLimitate = ConRipristino;

QStringList tagli()
{
    QStringList t;
    for (const MessaggioVisto& m : messaggi().visti)
        if (m.testo.contains(QStringLiteral("è stato tagliato")))
            t << m.testo;
    return t;
}

QLineEdit* progetto() { return finestre::forma<frontespizio>().progetto; }
QLineEdit* tubo(int numero) { return finestre::forma<sismica>().datisismici[numero]; }

TEST_F(CaselleLimitate, UnTestoTroppoLungoVieneTagliatoEDetto)
{
    const int pagina = archivi::lunghezzaTestoFrontespizio; // 1425
    const int nelTubo = lunghezzaTestoTubo;                  // 60
    const QString parte = QStringLiteral("a %1%5 b"); // looks like the message's own placeholders
    const struct Caso {
        const char* cosa;
        std::function<QLineEdit*()> casella;
        std::function<QString()> tenuto; // what the shared data hold afterwards
        int massimo;
        QString prima;   // the box's text before the paste
        int cursore;     // where the paste goes
        int incollati;   // characters pasted
        int tenuti = -1; // characters before the cut; -1: nothing cut
        QString finale = QString(); // what the kept text ends with
    } casi[] = {
        {"2,000 characters into an empty title-page box", progetto,
         [] { return ModVelmor::testifrontespizio.value(0); }, pagina, QString(), 0, 2000, pagina},
        {"into the middle of a text: what follows the cursor stays", progetto,
         [] { return ModVelmor::testifrontespizio.value(0); }, pagina, QStringLiteral("Rete nord"), 4, 2000,
         pagina - 5},
        {"a text that just fits", progetto, [] { return ModVelmor::testifrontespizio.value(0); }, pagina,
         QStringLiteral("Rete"), 4, pagina - 4},
        {"10,000 characters into a pipe's reference", [] { return tubo(campo::riferimento); },
         [] { return valoreCampo(campo::riferimento, 1).testo(); }, nelTubo, QString(), 0, 10000, nelTubo},
        {"one character too many in the material", [] { return tubo(campo::materiale); },
         [] { return valoreCampo(campo::materiale, 1).testo(); }, nelTubo, QString(), 0, nelTubo + 1, nelTubo},
        {"a reference that just fits", [] { return tubo(campo::riferimento); },
         [] { return valoreCampo(campo::riferimento, 1).testo(); }, nelTubo, QString(), 0, nelTubo},
        {"a pasted text holding a placeholder's mark, shown as it is", [] { return tubo(campo::riferimento); },
         [] { return valoreCampo(campo::riferimento, 1).testo(); }, nelTubo, QString(), 0, nelTubo + 20, nelTubo,
         parte},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.cosa);
        QString incollato = QStringLiteral("tubo ") + QString(c.incollati - 10, u'z') + QStringLiteral("fine!");
        const int fine = c.tenuti - c.cursore; // pasted characters kept
        if (!c.finale.isEmpty())
            incollato.replace(fine - c.finale.size(), c.finale.size(), c.finale);
        QLineEdit* casella = c.casella();
        casella->setText(c.prima);
        casella->setCursorPosition(c.cursore);
        QGuiApplication::clipboard()->setText(incollato);
        messaggi().visti.clear();
        casella->paste();
        const QString atteso = c.prima.left(c.cursore)
                               + (c.tenuti < 0 ? incollato : incollato.left(fine)) + c.prima.mid(c.cursore);
        EXPECT_EQ(casella->text(), atteso);
        EXPECT_EQ(c.tenuto(), atteso);
        const QStringList t = tagli();
        if (c.tenuti < 0) {
            EXPECT_TRUE(t.isEmpty()) << qPrintable(t.join('\n'));
            continue;
        }
        ASSERT_EQ(t.size(), 1) << "once per paste";
        const int tagliati = int(incollato.size()) - fine;
        EXPECT_TRUE(t[0].contains(QStringLiteral("supera i %1 caratteri").arg(c.massimo))) << qPrintable(t[0]);
        EXPECT_TRUE(t[0].contains(QStringLiteral("dopo il carattere n. %1 (\"...%2\")")
                                      .arg(QString::number(c.tenuti), atteso.mid(c.tenuti - 30, 30))))
            << qPrintable(t[0]);
        EXPECT_TRUE(t[0].contains(tagliati == 1 ? QStringLiteral(" e il carattere seguente non è stato inserito.")
                                                : QStringLiteral(" e i %1 caratteri seguenti").arg(tagliati)))
            << qPrintable(t[0]);
    }

    // A text the program sets (a file's) is cut without a word, also at the next key; typing
    // past the limit is told.
    frontespizio& f = finestre::forma<frontespizio>();
    f.località->setText(QString(2000, u'b'));
    EXPECT_EQ(f.località->text().size(), pagina);
    messaggi().visti.clear();
    f.località->setCursorPosition(0);
    QTest::keyClick(f.località, Qt::Key_Delete);
    QTest::keyClicks(f.località, QStringLiteral("c"));
    EXPECT_TRUE(tagli().isEmpty());
    QTest::keyClicks(f.località, QStringLiteral("d"));
    EXPECT_EQ(f.località->text().size(), pagina);
    EXPECT_EQ(tagli().size(), 1);
}

} // namespace
