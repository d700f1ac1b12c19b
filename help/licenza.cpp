#include "help/licenza.h"

#include "frame/ModVelmor.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/percorsi.h"
#include "help/documento.h"
#include "office/consegna.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

VELMOR_FINESTRA(licenza);

licenza::licenza()
    : FinestraInformativa(QString::fromUtf8(NOME), QStringLiteral("cliccare per stampare la LICENZA D'USO"),
                          QStringLiteral("cliccare per chiudere la finestra LICENZA D'USO"), 5640, 6825,
                          5467), // the size and left edge of the help windows
      Label2(controlli::etichetta(QString(), colori::giallo, controlli::Bordo::Singolo, Qt::AlignCenter)),
      Text1(new QPlainTextEdit)
{
    setCaption(QStringLiteral("LICENZA D'USO"));

    QFont titolo(QStringLiteral("Comic Sans MS"), 12);
    titolo.setBold(true);
    Label2->setFont(titolo);
    controlli::coloreTesto(Label2, colori::bluScuro);
    piazza(Label2, 3840, 120, 1575, 375);

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    controlli::coloreSfondo(Text1, colori::rosso);
    controlli::coloreTesto(Text1, colori::giallo);
    Text1->verticalScrollBar()->setPalette(QApplication::palette()); // red and yellow for the text only
    piazza(Text1, 120, 1560, 5295, 4695);
}

void licenza::Form_Load()
{
    FinestraInformativa::Form_Load();
    Label2->setText(ModVelmor::nomeprogramma.testo());
    Text1->setPlainText(percorsi::testoIncorporato(QString::fromUtf8(FILE_TESTO)));
}

void licenza::cmdstampa_Click()
{
    const office::ConsegnaAllaFine consegna;
    const QString testo = Text1->toPlainText(); // what the window shows
    guida::nuovoDocumento(QStringLiteral("licenza"), [&](office::Application& appword, office::Document& documento) {
        guida::paginaInformativa(appword, documento);
        office::Selezione& sel = appword.Selection;
        sel.Font.Name = QStringLiteral("Century Gothic");
        sel.Font.Size = 20;
        sel.TypeText(ModVelmor::nomeprogramma.testo() + "\r");
        sel.Font.Size = 16;
        sel.TypeText(ModVelmor::descrizioneprogramma.testo() + "\r\r\r");
        sel.Font.Size = 12;
        sel.TypeText(testo + "\r");
        sel.Document.Select();
        sel.ParagraphFormat.Alignment = office::Giustificato;
    });
}
