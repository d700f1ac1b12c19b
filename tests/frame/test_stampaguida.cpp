// A help page typed into a new document: sizes, paragraph marks, justified.
#include "supporto/ambientedocumento.h"
#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/applicazione.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

class StampaGuida : public AmbienteDocumento {};

TEST_F(StampaGuida, PaginaDiGuidaNelDocumento)
{
    ripristina();
    QLabel titolo("MANUALE D'USO RAPIDO");
    QLabel testo("Il programma calcola reti fognanti.");
    ModVelmor::guidatitolo = &titolo;
    ModVelmor::guidatesto = &testo;
    ModVelmor::stampaguida();
    office::consegnaInSospeso();
    ASSERT_EQ(fileConsegnati().size(), 1);
    ASSERT_EQ(aperti.size(), 1); // handed to the word processor
    const lettura::Documento d = lettura::leggiFile(cartellaDocumenti() + "/" + fileConsegnati().first());
    ASSERT_TRUE(d.valido) << d.errore.toStdString();
    QStringList testi;
    for (const auto& p : d.paragrafi)
        testi << p.testo();
    while (!testi.isEmpty() && testi.last().isEmpty())
        testi.removeLast();
    EXPECT_EQ(testi, (QStringList{"Velmor", "programma per il calcolo di reti fognanti", "", "",
                                  "Guida: MANUALE D'USO RAPIDO", "", "Il programma calcola reti fognanti."}));
    const double dimensioni[] = {20, 16, 0, 0, 16, 0, 12};
    for (int i : {0, 1, 4, 6}) {
        ASSERT_FALSE(d.paragrafi[i].frammenti.isEmpty()) << i;
        EXPECT_EQ(d.paragrafi[i].frammenti.first().dimensione, dimensioni[i]) << i;
        EXPECT_EQ(d.paragrafi[i].frammenti.first().font, "Century Gothic") << i;
    }
    for (const auto& p : d.paragrafi)
        EXPECT_EQ(p.allineamento, "both");
    ModVelmor::guidatitolo = nullptr;
    ModVelmor::guidatesto = nullptr;
}

} // namespace

namespace {

TEST(StampaGuidaSenzaElaboratore, IlMessaggioDiceDoveEStatoScrittoIlDocumento)
{
    ripristina();
    QTemporaryDir cartella;
    office::impostaCartellaDocumenti(cartella.path());
    applicazione::prepara(); // documents opened and reported through the program's services
    doppi::shell().risultato = 31; // nothing opens the file
    ModVelmor::stampaguida();
    office::consegnaInSospeso();
    ASSERT_EQ(doppi::shell().aperti.size(), 1);
    EXPECT_TRUE(doppi::shell().aperti[0].startsWith(cartella.path()));
    ASSERT_EQ(doppi::messaggi().visti.size(), 1u);
    EXPECT_TRUE(doppi::messaggi().visti[0].testo.contains(doppi::shell().aperti[0]));
    office::impostaCartellaDocumenti({});
}

} // namespace
