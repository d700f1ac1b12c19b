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

namespace {

QStringList& sostituite()
{
    static QStringList nomi;
    return nomi;
}

void sostituisci(const QString& nome)
{
    if (finestre::esiste(nome) && !sostituite().contains(nome))
        return; // built by the program: the real window serves
    if (!sostituite().contains(nome))
        sostituite() << nome;
    finestre::registra(nome, [nome] { return new SecondariaProva(nome); });
}

} // namespace

const QStringList& finestreSostituite() { return sostituite(); }

void registraFinestreProva()
{
    for (int k = 1; k <= 7; ++k) {
        const QString nome = QString::fromUtf8(ModVelmor::finestrePrincipali[k]);
        finestre::registra(nome, [nome, k] { return new PrincipaleProva(nome, k); });
    }
    for (const char* n : ModVelmor::ordineChiusura)
        sostituisci(QString::fromUtf8(n)); // the main windows among them are stand-ins already
    for (int k = 1; k <= 7; ++k)
        sostituisci("guida" + QString::fromUtf8(ModVelmor::finestrePrincipali[k]));
    sostituisci(QString::fromUtf8(secondariaDiProva));
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
