// A text pasted into a title-page box past what the box holds: cut where the pasted part passes
// the limit, and the user told once per paste what was cut and where.
#include "supporto/doppi.h"

#include "archivi/archivi.h"
#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "report/frontespizio.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace doppi;

namespace {

using FrontespizioTaglio = ConRipristino;

QStringList tagli()
{
    QStringList t;
    for (const MessaggioVisto& m : messaggi().visti)
        if (m.testo.contains(QStringLiteral("è stato tagliato")))
            t << m.testo;
    return t;
}

TEST_F(FrontespizioTaglio, UnTestoIncollatoTroppoLungoVieneTagliatoEDetto)
{
    const int massimo = archivi::lunghezzaTestoFrontespizio; // 1425
    const QString incollato = QString(1990, u'a') + QStringLiteral("fine!!!!!!");
    const struct {
        const char* cosa;
        QString prima;   // the box's text before the paste
        int cursore;     // where the paste goes
        QString dopo;    // the box's text after it
        int tenuti = -1; // characters before the cut; -1: nothing cut
    } casi[] = {
        {"2,000 characters into an empty box", QString(), 0, incollato.left(massimo), massimo},
        {"into the middle of a text: what follows the cursor stays", QStringLiteral("Rete nord"), 4,
         QStringLiteral("Rete") + incollato.left(massimo - 9) + QStringLiteral(" nord"), massimo - 5},
        {"a text that just fits", QStringLiteral("Rete"), 4, QStringLiteral("Rete") + incollato.left(massimo - 4)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.cosa);
        frontespizio& f = finestre::forma<frontespizio>();
        f.progetto->setText(c.prima);
        f.progetto->setCursorPosition(c.cursore);
        QGuiApplication::clipboard()->setText(c.tenuti < 0 ? incollato.left(massimo - 4) : incollato);
        messaggi().visti.clear();
        f.progetto->paste();
        EXPECT_EQ(f.progetto->text(), c.dopo);
        EXPECT_EQ(ModVelmor::testifrontespizio.value(0), c.dopo); // the shared data hold what the box shows
        const QStringList t = tagli();
        if (c.tenuti < 0) {
            EXPECT_TRUE(t.isEmpty()) << qPrintable(t.join('\n'));
            continue;
        }
        ASSERT_EQ(t.size(), 1) << "once per paste";
        const int tagliati = int(incollato.size() + c.prima.size()) - massimo;
        EXPECT_EQ(t[0].toStdString(),
                  QStringLiteral("Il testo inserito nella casella progetto supera i 1425 caratteri che la casella può "
                                 "contenere: è stato tagliato dopo il carattere n. %1 (\"...%2\") e i %3 caratteri "
                                 "seguenti del testo inserito non sono stati inseriti.\rControllare la casella e "
                                 "accorciare il testo.")
                      .arg(c.tenuti)
                      .arg(c.dopo.mid(c.tenuti - 30, 30))
                      .arg(tagliati)
                      .toStdString());
    }

    // A text the program sets (a file's) is not told; nor is it told at the next key.
    frontespizio& f = finestre::forma<frontespizio>();
    f.località->setText(QString(2000, u'b'));
    EXPECT_EQ(f.località->text().size(), massimo);
    messaggi().visti.clear();
    f.località->setCursorPosition(0);
    QTest::keyClick(f.località, Qt::Key_Delete);
    QTest::keyClicks(f.località, QStringLiteral("c"));
    EXPECT_TRUE(tagli().isEmpty());
    // Typing past the limit is told too.
    QTest::keyClicks(f.località, QStringLiteral("d"));
    EXPECT_EQ(f.località->text().size(), massimo);
    EXPECT_EQ(tagli().size(), 1);
}

} // namespace
