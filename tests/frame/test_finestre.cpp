// The window registry's life cycle and the end of the program.
#include "finestre_prova.h"
#include "supporto/doppi.h"

#include "frame/finestre.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace doppi;

namespace {

using Registro = ConFinestreDiProva;

TEST_F(Registro, PrimoUsoCaricaUnaVolta)
{
    EXPECT_FALSE(finestre::caricata(secondariaDiProva));
    Finestra* a = finestre::usa(secondariaDiProva);
    Finestra* b = finestre::usa(secondariaDiProva);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(finestre::caricata(secondariaDiProva));
    EXPECT_FALSE(a->isVisible()); // loading is not showing
    EXPECT_EQ(eventi(), QStringList{QStringLiteral("load ") + secondariaDiProva});
}

TEST_F(Registro, NascondereConservaLoStato)
{
    auto* f = static_cast<SecondariaProva*>(finestre::usa(secondariaDiProva));
    f->Show();
    f->casella->setText("da conservare");
    f->close(); // a secondary window hides on close
    scorri();
    EXPECT_TRUE(finestre::caricata(secondariaDiProva));
    EXPECT_FALSE(f->isVisible());
    finestre::mostra(secondariaDiProva);
    EXPECT_EQ(static_cast<SecondariaProva*>(finestre::trova(secondariaDiProva))->casella->text(), "da conservare");
    EXPECT_EQ(eventi(), QStringList{QStringLiteral("load ") + secondariaDiProva});
}

TEST_F(Registro, ScaricareEPoiUsareRicaricaDaCapo)
{
    auto* f = static_cast<PrincipaleProva*>(finestre::usa("dati"));
    f->casella->setText("vecchio");
    QPointer<Finestra> vecchia = f;
    finestre::scarica("dati");
    EXPECT_FALSE(finestre::caricata("dati"));
    scorri();
    EXPECT_TRUE(vecchia.isNull());
    auto* nuova = static_cast<PrincipaleProva*>(finestre::usa("dati"));
    EXPECT_TRUE(nuova->casella->text().isEmpty());
    EXPECT_EQ(eventi(), (QStringList{"load dati", "unload dati", "load dati"}));
}

TEST_F(Registro, ChiudereUnaFinestraPrincipaleLaScarica)
{
    finestre::mostra("dati");
    finestre::mostra("sismica");
    finestre::trova("sismica")->close();
    EXPECT_FALSE(finestre::caricata("sismica"));
    EXPECT_EQ(eventi(), (QStringList{"load dati", "load sismica", "unload sismica"}));
}

TEST_F(Registro, ChiudereLUltimaFinestraPrincipaleVisibileEsceDalProgramma)
{
    // No answer given: the question's default button, No.
    const struct {
        std::deque<int> risposte;
        bool resta;
    } casi[] = {{{}, true}, {{vb::vbNo}, true}, {{vb::vbYes}, false}};
    for (const auto& caso : casi) {
        TearDown();
        SetUp();
        finestre::mostra("dati");
        finestre::usa("sismica"); // loaded, not on screen
        messaggi().risposte = caso.risposte;
        finestre::trova("dati")->close();
        scorri();
        ASSERT_EQ(messaggi().visti.size(), 1u);
        EXPECT_EQ(messaggi().visti[0].titolo, "Attenzione: i dati non archiviati andranno persi !");
        EXPECT_EQ(finestre::caricata("dati"), caso.resta);
        EXPECT_EQ(finestre::caricata("sismica"), caso.resta);
        if (caso.resta) {
            EXPECT_TRUE(finestre::trova("dati")->isVisible());
        }
    }
}

TEST_F(Registro, FinestraNonCostruitaNonFaNulla)
{
    QStringList segnalate;
    finestre::seNomeSconosciuto([&segnalate](const QString& nome) { segnalate << nome; });
    finestre::mostra("inesistente");
    finestre::scarica("inesistente");
    EXPECT_EQ(finestre::usa("inesistente"), nullptr);
    EXPECT_EQ(finestre::quanteCaricate(), 0);
    // None of the three passes in silence; a registered name is not told.
    finestre::scarica(secondariaDiProva);
    finestre::seNomeSconosciuto({});
    EXPECT_EQ(segnalate, QStringList({"inesistente", "inesistente", "inesistente"}));
}

TEST_F(Registro, IlProgrammaFinisceQuandoNessunaFinestraECaricata)
{
    finestre::usa("dati");
    finestre::usa("sommario");
    finestre::scarica("dati");
    scorri();
    EXPECT_EQ(fini, 0);
    finestre::scarica("sommario");
    EXPECT_EQ(fini, 0); // checked when control is back in the event loop
    scorri();
    EXPECT_EQ(fini, 1);
}

TEST_F(Registro, UnaFinestraCaricataSubitoDopoLUltimaScaricataTieneVivoIlProgramma)
{
    finestre::usa("dati");
    finestre::scarica("dati");
    finestre::usa("frontespizio");
    scorri();
    EXPECT_EQ(fini, 0);
}

} // namespace
