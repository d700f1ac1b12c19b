#include "help/finestraaiuto.h"

#include "frame/clsResize.h"
#include "help/aspetto.h"

FinestraAiuto::FinestraAiuto(const QString& nome, int larghezza, std::optional<int> sinistra)
    : Finestra(nome), m_larghezza(larghezza), m_sinistra(sinistra)
{
    setBackColor(guida::gialloChiaro);
    setWidth(m_larghezza);
    setHeight(altezza);
}

FinestraAiuto::~FinestraAiuto() = default;

void FinestraAiuto::Form_Load()
{
    ridimensiona = std::make_unique<clsResize>();
    ridimensiona->SourceForm(this);
    ridimensiona->SizeFormToScreen(75);
    setHeight(altezza);
    setWidth(m_larghezza);
    if (m_sinistra)
        setLeft(*m_sinistra);
}

void FinestraAiuto::Form_Resize()
{
    if (ridimensiona)
        ridimensiona->ResizeControls();
}

void FinestraAiuto::Form_Unload()
{
    ridimensiona.reset();
}
