#include "help/guidaformule.h"

#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/twips.h"
#include "help/aspetto.h"
#include "help/figuraformule.h"
#include "office/applicazione.h"
#include "office/consegna.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

VELMOR_FINESTRA(guidaformule);

namespace {

QScrollBar* barra(Qt::Orientation verso, int minimo, int massimo)
{
    auto* b = new QScrollBar(verso);
    b->setRange(minimo, massimo);
    b->setSingleStep(100);
    b->setPageStep(400);
    b->setValue(massimo);
    b->setTracking(false); // the picture moves once the thumb is let go
    return b;
}

} // namespace

guidaformule::guidaformule()
    : FinestraAiuto(QString::fromUtf8(NOME), larghezzaGuida, sinistraGuida),
      cmdSommario(controlli::pulsante(QStringLiteral("&Sommario"))),
      cmdstampa(controlli::pulsante(QStringLiteral("S&tampa"))), cmdchiudi(controlli::pulsante(QStringLiteral("&Chiudi"))),
      Image1(new QLabel), HScroll1(barra(Qt::Horizontal, 1, 7000)), VScroll1(barra(Qt::Vertical, -200, 11000)),
      m_figura(guida::figuraFormule())
{
    setCaption(QStringLiteral("Guida in linea"));

    Image1->setPixmap(QPixmap::fromImage(m_figura));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    piazza(Image1, 0, 600, twips::daPixel(guida::larghezzaFigura), twips::daPixel(guida::altezzaFigura));
    Image1->lower(); // under the buttons and the scroll bars

    piazza(cmdSommario, 120, 120, 1215, 375);
    piazza(cmdstampa, 1320, 120, 1215, 375);
    piazza(cmdchiudi, 2520, 120, 1215, 375);
    piazza(HScroll1, 0, 6160, 5535, 255);
    piazza(VScroll1, 5280, 480, 255, 5935);

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(cmdSommario, &QPushButton::clicked, this, [this] { cmdSommario_Click(); });
    connect(cmdstampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdchiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
}

void guidaformule::Form_Resize()
{
    // Only a change of size places the picture again: the toolkit also reports
    // the size when a hidden window is first shown, which must not undo the
    // scroll position set just before.
    if (!ridimensiona || size() == m_dimensione)
        return;
    m_dimensione = size();
    FinestraAiuto::Form_Resize();
}

void guidaformule::HScroll1_Change()
{
    Image1->move(twips::inPixel(-HScroll1->value()), Image1->y());
}

void guidaformule::VScroll1_Change()
{
    Image1->move(Image1->x(), twips::inPixel(-VScroll1->value()));
}

void guidaformule::cmdSommario_Click()
{
    finestre::mostra(finestre::nomi::sommario);
}

void guidaformule::cmdstampa_Click()
{
    const office::ConsegnaAllaFine consegna;
    auto appword = office::nuovaApplicazione();
    appword->Visible = true;
    auto documento = appword->Documents.Add();
    documento->nomeFile(QStringLiteral("formule"));
    guida::inserisciFigura(appword->Selection, m_figura);
}

void guidaformule::cmdchiudi_Click()
{
    Hide();
}
