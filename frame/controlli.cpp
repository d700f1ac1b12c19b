#include "frame/controlli.h"

#include "frame/colori.h"

namespace controlli {

void coloreSfondo(QWidget* controllo, std::uint32_t colore)
{
    controllo->setAutoFillBackground(true);
    QPalette p = controllo->palette();
    p.setColor(QPalette::Window, colori::daVB(colore));
    p.setColor(QPalette::Base, colori::daVB(colore));
    controllo->setPalette(p);
}

void coloreTesto(QWidget* controllo, std::uint32_t colore)
{
    QPalette p = controllo->palette();
    p.setColor(QPalette::WindowText, colori::daVB(colore));
    p.setColor(QPalette::Text, colori::daVB(colore));
    controllo->setPalette(p);
}

QLabel* etichetta(const QString& caption, std::optional<std::uint32_t> sfondo, Bordo bordo, Qt::Alignment allineamento)
{
    auto* l = new QLabel(caption);
    l->setAlignment(allineamento);
    if (sfondo)
        coloreSfondo(l, *sfondo);
    if (bordo == Bordo::Singolo) {
        l->setFrameShape(QFrame::Box);
        l->setLineWidth(1);
    }
    return l;
}

QLineEdit* casella(std::uint32_t sfondo)
{
    auto* c = new QLineEdit;
    coloreSfondo(c, sfondo);
    c->setAutoFillBackground(false);
    return c;
}

QPushButton* pulsante(const QString& caption, const QString& suggerimento)
{
    auto* p = new QPushButton(caption);
    if (!suggerimento.isEmpty())
        p->setToolTip(suggerimento);
    return p;
}

} // namespace controlli
