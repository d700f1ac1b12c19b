#include "finestre_prova.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "supporto/doppi.h"

#include <QCoreApplication>

QStringList& eventi()
{
    static QStringList e;
    return e;
}

PrincipaleProva::PrincipaleProva(const QString& nome, int numero)
    : FinestraPrincipale(nome, numero, "Prova " + nome, "guida" + nome), casella(new QLineEdit)
{
    piazza(casella, 840, 1560, 4695, 285);
    piazza(passo, 2400, 5640, 3615, 450);
    completaBarraMenu();
}

void PrincipaleProva::Form_Load()
{
    FinestraPrincipale::Form_Load();
    eventi() << "load " + nome();
}

void PrincipaleProva::Form_Unload()
{
    eventi() << "unload " + nome();
    FinestraPrincipale::Form_Unload();
}

void PrincipaleProva::comandoApri() { eventi() << "apri " + nome(); }
void PrincipaleProva::comandoSalva() { eventi() << "salva " + nome(); }
void PrincipaleProva::comandoElimina() { eventi() << "elimina " + nome(); }
void PrincipaleProva::comandoStampa() { eventi() << "stampa " + nome(); }
void PrincipaleProva::comandoControllo() { eventi() << "controllo " + nome(); }
void PrincipaleProva::comandoCancella() { eventi() << "cancella " + nome(); }

SecondariaProva::SecondariaProva(const QString& nome) : Finestra(nome), casella(new QLineEdit)
{
    piazza(casella, 120, 120, 2000, 285);
}

void SecondariaProva::Form_Load() { eventi() << "load " + nome(); }
void SecondariaProva::Form_Unload() { eventi() << "unload " + nome(); }

void registraFinestreProva()
{
    // The frame's own windows stay real; the other subsystems' windows, built
    // into the same library, are replaced so that the frame is tested alone.
    const QStringList delTelaio = {"frmTip", "supportoclienti", "informa", "frmSplash"};
    for (const char* n : ModVelmor::ordineChiusura) {
        const QString nome = QString::fromUtf8(n);
        if (!delTelaio.contains(nome))
            finestre::registra(nome, [nome] { return new SecondariaProva(nome); });
    }
    for (int k = 1; k <= 7; ++k) {
        const QString nome = QString::fromUtf8(ModVelmor::finestrePrincipali[k]);
        finestre::registra(nome, [nome, k] { return new PrincipaleProva(nome, k); });
    }
    for (int k = 1; k <= 7; ++k) {
        const QString guida = "guida" + QString::fromUtf8(ModVelmor::finestrePrincipali[k]);
        if (!delTelaio.contains(guida))
            finestre::registra(guida, [guida] { return new SecondariaProva(guida); });
    }
}

void ConFinestreDiProva::SetUp()
{
    ripristina();
    registraFinestreProva();
    eventi().clear();
    fini = 0;
    finestre::allaFine([this] { ++fini; });
}

void ConFinestreDiProva::TearDown()
{
    ripristina();
}

void ConFinestreDiProva::scorri()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
