#include "help/informativa.h"

#include "frame/clsResize.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"

#include <QPushButton>

FinestraInformativa::FinestraInformativa(const QString& nome, const QString& suggerimentoStampa,
                                         const QString& suggerimentoChiudi, int larghezza, int altezza, int sinistra)
    : Finestra(nome),
      cmdSommario(controlli::pulsante(QStringLiteral("&Sommario"), QStringLiteral("cliccare per visualizzare il sommario della guida"))),
      cmdstampa(controlli::pulsante(QStringLiteral("S&tampa"), suggerimentoStampa)),
      cmdchiudi(controlli::pulsante(QStringLiteral("&Chiudi"), suggerimentoChiudi)), m_larghezza(larghezza),
      m_altezza(altezza), m_sinistra(sinistra)
{
    setBackColor(colori::gialloChiaro);
    setWidth(larghezza);
    setHeight(altezza);
    piazza(cmdSommario, 120, 120, 1215, 375);
    piazza(cmdstampa, 1320, 120, 1215, 375);
    piazza(cmdchiudi, 2520, 120, 1215, 375);
    connect(cmdSommario, &QPushButton::clicked, this, [this] { cmdSommario_Click(); });
    connect(cmdstampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdchiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
}

FinestraInformativa::~FinestraInformativa() = default;

void FinestraInformativa::Form_Load()
{
    m_ridimensiona = std::make_unique<clsResize>();
    m_ridimensiona->SourceForm(this);
    m_ridimensiona->SizeFormToScreen(75);
    setHeight(m_altezza);
    setWidth(m_larghezza);
    if (m_sinistra >= 0)
        setLeft(m_sinistra);
}

void FinestraInformativa::Form_Resize()
{
    if (m_ridimensiona)
        m_ridimensiona->ResizeControls();
}

void FinestraInformativa::Form_Unload() { m_ridimensiona.reset(); }

void FinestraInformativa::cmdSommario_Click() { finestre::mostra(finestre::nomi::sommario); }

void FinestraInformativa::cmdchiudi_Click() { Hide(); }
