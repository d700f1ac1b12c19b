#include "help/licenza.h"

#include "frame/ModVelmor.h"
#include "frame/clsResize.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "help/documento.h"
#include "help/testi.h"
#include "office/consegna.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

VELMOR_FINESTRA(licenza);

namespace {
// The help windows' size and left edge, in twips.
constexpr int larghezza = 5640;
constexpr int altezza = 6825;
constexpr int sinistra = 5467;
} // namespace

licenza::licenza()
    : Finestra(QString::fromUtf8(NOME)),
      cmdSommario(controlli::pulsante(QStringLiteral("&Sommario"), QStringLiteral("cliccare per visualizzare il sommario della guida"))),
      cmdstampa(controlli::pulsante(QStringLiteral("S&tampa"), QStringLiteral("cliccare per stampare la LICENZA D'USO"))),
      cmdchiudi(controlli::pulsante(QStringLiteral("&Chiudi"), QStringLiteral("cliccare per chiudere la finestra LICENZA D'USO"))),
      Label2(controlli::etichetta(QString(), colori::giallo, controlli::Bordo::Singolo, Qt::AlignCenter)),
      Text1(new QPlainTextEdit)
{
    setCaption(QStringLiteral("LICENZA D'USO"));
    setBackColor(colori::gialloChiaro);
    setWidth(larghezza);
    setHeight(altezza);

    piazza(cmdSommario, 120, 120, 1215, 375);
    piazza(cmdstampa, 1320, 120, 1215, 375);
    piazza(cmdchiudi, 2520, 120, 1215, 375);

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

    connect(cmdSommario, &QPushButton::clicked, this, [this] { cmdSommario_Click(); });
    connect(cmdstampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdchiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
}

licenza::~licenza() = default;

void licenza::Form_Load()
{
    ridimensiona = std::make_unique<clsResize>();
    ridimensiona->SourceForm(this);
    ridimensiona->SizeFormToScreen(75);
    setHeight(altezza);
    setWidth(larghezza);
    setLeft(sinistra);
    Label2->setText(ModVelmor::nomeprogramma.testo());
    Text1->setPlainText(guida::testoDati(QString::fromUtf8(FILE_TESTO), QStringLiteral("la licenza d'uso")));
}

void licenza::Form_Resize()
{
    if (ridimensiona)
        ridimensiona->ResizeControls();
}

void licenza::Form_Unload() { ridimensiona.reset(); }

void licenza::cmdchiudi_Click() { Hide(); }

void licenza::cmdSommario_Click() { finestre::mostra(QStringLiteral("sommario")); }

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
        sel.ParagraphFormat.Alignment = 3;
    });
}
