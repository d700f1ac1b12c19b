#include "frame/controlli.h"

#include "frame/colori.h"

#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>

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

namespace {

// What a text box keeps free on each side of its text inside its frame (a
// constant of the toolkit's text box, not a style metric).
constexpr int marginiCasella = 2;
// What the combo box's label keeps free on each side of its edit field.
constexpr int marginiTendina = 1;

int rientroEtichetta(const QLabel* etichetta)
{
    if (!(etichetta->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        return 0;
    if (etichetta->indent() >= 0)
        return etichetta->indent();
    return etichetta->frameWidth() > 0 ? etichetta->fontMetrics().horizontalAdvance(QChar('x')) / 2 : 0;
}

} // namespace

int spazioTesto(const QWidget* controllo)
{
    if (const auto* casella = qobject_cast<const QLineEdit*>(controllo)) {
        QStyleOptionFrame opzione;
        opzione.initFrom(casella);
        opzione.rect = casella->rect();
        opzione.lineWidth =
            casella->hasFrame() ? casella->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzione, casella) : 0;
        const QRect area = casella->style()->subElementRect(QStyle::SE_LineEditContents, &opzione, casella);
        const QMargins margini = casella->textMargins();
        return area.width() - margini.left() - margini.right() - 2 * marginiCasella;
    }
    if (const auto* tendina = qobject_cast<const QComboBox*>(controllo)) {
        QStyleOptionComboBox opzione;
        opzione.initFrom(tendina);
        opzione.rect = tendina->rect();
        opzione.editable = tendina->isEditable();
        const QRect campo =
            tendina->style()->subControlRect(QStyle::CC_ComboBox, &opzione, QStyle::SC_ComboBoxEditField, tendina);
        return campo.width() - 2 * marginiTendina;
    }
    if (const auto* etichetta = qobject_cast<const QLabel*>(controllo))
        return etichetta->contentsRect().width() - 2 * etichetta->margin() - rientroEtichetta(etichetta);
    return controllo->width();
}

bool contiene(const QWidget* controllo, const QString& testo)
{
    return controllo->fontMetrics().horizontalAdvance(testo) <= spazioTesto(controllo);
}

void EtichettaElisa::setTesto(const QString& testo)
{
    m_testo = testo;
    aggiorna();
}

void EtichettaElisa::setSuggerimento(const QString& suggerimento)
{
    m_suggerimento = suggerimento;
    aggiorna();
}

void EtichettaElisa::resizeEvent(QResizeEvent* evento)
{
    QLabel::resizeEvent(evento);
    aggiorna();
}

void EtichettaElisa::aggiorna()
{
    const QString mostrato = fontMetrics().elidedText(m_testo, m_modo, std::max(0, spazioTesto(this)));
    if (text() != mostrato)
        setText(mostrato);
    QStringList suggerimento;
    if (mostrato != m_testo)
        suggerimento << m_testo;
    if (!m_suggerimento.isEmpty())
        suggerimento << m_suggerimento;
    setToolTip(suggerimento.join(QChar('\n')));
}

void Tendina::paintEvent(QPaintEvent*)
{
    QStylePainter pittore(this);
    QStyleOptionComboBox opzione;
    initStyleOption(&opzione);
    pittore.drawComplexControl(QStyle::CC_ComboBox, opzione);
    const QString intero = opzione.currentText;
    opzione.currentText = fontMetrics().elidedText(intero, m_modo, std::max(0, spazioTesto(this)));
    const QString suggerimento = opzione.currentText == intero ? QString() : intero;
    if (toolTip() != suggerimento)
        setToolTip(suggerimento);
    pittore.drawControl(QStyle::CE_ComboBoxLabel, opzione);
}

} // namespace controlli
