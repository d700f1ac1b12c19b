#include "frame/supportoclienti.h"

#include "frame/finestre.h"
#include "frame/indirizzi.h"

#include <QLabel>
#include <QPushButton>

VELMOR_FINESTRA(supportoclienti);

supportoclienti::supportoclienti()
    : Finestra(QString::fromUtf8(NOME)), Label1(new QLabel), Command1(new QPushButton(QStringLiteral("&Chiudi")))
{
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setCaption(QStringLiteral("Supporto prodotto"));
    setWidth(6000);
    setHeight(3840);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setText(
        "Software Zentoria - assistenza ai clienti\n\n"
        "Per domande sull'uso del programma, segnalazioni di errori e richieste di aggiornamento "
        "scrivere all'indirizzo di posta elettronica " + QString::fromUtf8(indirizzi::assistenza) + ", indicando la versione "
        "del programma (menu ?, Informazioni su Velmor) e allegando, se possibile, il file dei dati "
        "(Velmor-dati-..., Velmor-verifica-... o Velmor-completa-...) con cui si è verificato il problema.\n\n"
        "L'assistenza risponde nei giorni feriali, di norma entro due giorni lavorativi.");
    piazza(Label1, 240, 240, 5400, 2520);
    piazza(Command1, 4440, 2880, 1200, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void supportoclienti::Command1_Click()
{
    Hide();
}
