#include "frame/informa.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"

#include <QLabel>
#include <QPushButton>

VELMOR_FINESTRA(informa);

informa::informa()
    : Finestra(QString::fromUtf8(NOME)), lblTitle(new QLabel), lblDescrizione(new QLabel), lblVersion(new QLabel),
      lblDisclaimer(new QLabel), cmdOK(new QPushButton(QStringLiteral("OK")))
{
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setWidth(5760);
    setHeight(3600);

    QFont titolo = lblTitle->font();
    titolo.setPointSizeF(18);
    titolo.setBold(true);
    lblTitle->setFont(titolo);
    piazza(lblTitle, 240, 240, 5160, 480);
    lblDescrizione->setWordWrap(true);
    piazza(lblDescrizione, 240, 780, 5160, 300);
    piazza(lblVersion, 240, 1140, 5160, 300);
    lblDisclaimer->setWordWrap(true);
    piazza(lblDisclaimer, 240, 1620, 5160, 900);
    piazza(cmdOK, 4200, 2640, 1200, 375);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void informa::Form_Load()
{
    const QString nome = ModVelmor::nomeprogramma.testo();
    setCaption("Informazioni su " + nome);
    lblTitle->setText(nome);
    lblDescrizione->setText(ModVelmor::descrizioneprogramma.testo());
    // The years run from the first version to the year of this build's date code (yymmdd).
    const QString primo = ModVelmor::dataprimaversione.testo().right(4);
    const QString ultimo = "20" + ModVelmor::codicedata.testo().left(2);
    lblVersion->setText("Edizione professionale - versione " + ModVelmor::versione.testo() + " - " + primo + "-" + ultimo);
    lblDisclaimer->setText(QStringLiteral(
        "I risultati dei calcoli vanno sempre verificati dal progettista, che resta responsabile delle scelte "
        "di progetto. Il programma è concesso in uso alle condizioni descritte nella guida."));
}

void informa::cmdOK_Click()
{
    Hide();
}
