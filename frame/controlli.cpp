#include "frame/controlli.h"

#include "frame/colori.h"
#include "frame/servizi.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QValidator>

#include <limits>
#include <utility>

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

namespace {

template <typename Etichetta>
Etichetta* nuovaEtichetta(const QString& caption, std::optional<std::uint32_t> sfondo, Bordo bordo,
                          Qt::Alignment allineamento)
{
    auto* l = new Etichetta(caption);
    l->setAlignment(allineamento);
    if (sfondo)
        coloreSfondo(l, *sfondo);
    if (bordo == Bordo::Singolo) {
        l->setFrameShape(QFrame::Box);
        l->setLineWidth(1);
    }
    return l;
}

} // namespace

QLabel* etichetta(const QString& caption, std::optional<std::uint32_t> sfondo, Bordo bordo, Qt::Alignment allineamento)
{
    return nuovaEtichetta<QLabel>(caption, sfondo, bordo, allineamento);
}

EtichettaAdattata* etichettaAdattata(const QString& caption, std::optional<std::uint32_t> sfondo, Bordo bordo,
                                     Qt::Alignment allineamento)
{
    return nuovaEtichetta<EtichettaAdattata>(caption, sfondo, bordo, allineamento);
}

QRect EtichettaAdattata::areaTesto() const
{
    return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
}

QFont EtichettaAdattata::carattereMostrato() const
{
    QFont carattere = font();
    if (!wordWrap() || text().isEmpty() || carattere.pointSizeF() <= 0)
        return carattere;
    const QRect area = areaTesto();
    const int disposizione = int(alignment()) | Qt::TextWordWrap;
    for (qreal punti = carattere.pointSizeF(); punti > carattereMinimo; punti -= 0.5) {
        carattere.setPointSizeF(punti);
        if (area.contains(QFontMetrics(carattere).boundingRect(area, disposizione, text())))
            return carattere;
    }
    carattere.setPointSizeF(carattereMinimo);
    return carattere;
}

void EtichettaAdattata::paintEvent(QPaintEvent* evento)
{
    const QFont carattere = carattereMostrato();
    if (carattere == font()) {
        QLabel::paintEvent(evento);
        return;
    }
    QPainter pittore(this);
    drawFrame(&pittore);
    pittore.setFont(carattere);
    pittore.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    pittore.drawText(areaTesto(), int(alignment()) | Qt::TextWordWrap, text());
}

QLineEdit* casella(std::uint32_t sfondo)
{
    auto* c = new QLineEdit;
    coloreSfondo(c, sfondo);
    c->setAutoFillBackground(false);
    return c;
}

namespace {

// Cuts an edit that would pass the limit and remembers the cut until the box says whether the
// edit was the user's (textEdited, which comes before textChanged) or the program's.
class ValidatoreLunghezza : public QValidator {
public:
    ValidatoreLunghezza(QLineEdit* casella, int massimo) : QValidator(casella), m_massimo(massimo) {}

    State validate(QString& testo, int& cursore) const override
    {
        const int troppi = int(testo.size()) - m_massimo;
        if (troppi <= 0)
            return Acceptable;
        // The inserted text ends at the cursor: its last characters go, what follows stays.
        int da = cursore >= troppi ? cursore - troppi : m_massimo;
        int quanti = cursore >= troppi ? troppi : int(testo.size()) - m_massimo;
        if (da > 0 && testo[da - 1].isHighSurrogate() && da < testo.size() && testo[da].isLowSurrogate()) {
            --da; // never half of a character
            ++quanti;
        }
        m_taglio = Taglio{da, quanti, testo.mid(std::max(0, da - caratteriMostrati), std::min(da, caratteriMostrati))};
        testo.remove(da, quanti);
        cursore = da;
        return Acceptable;
    }

    struct Taglio {
        int tenuti, tagliati;
        QString prima;
    };
    mutable std::optional<Taglio> m_taglio;

private:
    static constexpr int caratteriMostrati = 30; // of the text before the cut, to show where it is
    int m_massimo;
};

} // namespace

QString testoTaglio(const QString& nome, int massimo, int tenuti, int tagliati, const QString& prima)
{
    // One pass over the placeholders, so that a "%1" in the pasted text stays as it is.
    const QString seguito = tagliati == 1
                                ? QStringLiteral("il carattere seguente non è stato inserito")
                                : QStringLiteral("i %1 caratteri seguenti del testo inserito non sono stati inseriti")
                                      .arg(tagliati);
    return QStringLiteral("Il testo inserito nella casella %1 supera i %2 caratteri che la casella può contenere: "
                          "è stato tagliato dopo il carattere n. %3 (\"...%4\") e %5.\rControllare la casella e "
                          "accorciare il testo.")
        .arg(nome, QString::number(massimo), QString::number(tenuti), prima, seguito);
}

void limitaLunghezza(QLineEdit* casella, int massimo, const QString& nome)
{
    casella->setMaxLength(std::numeric_limits<int>::max()); // the validator cuts, so that it knows
    auto* validatore = new ValidatoreLunghezza(casella, massimo);
    casella->setValidator(validatore);
    QObject::connect(casella, &QLineEdit::textEdited, validatore, [validatore, massimo, nome] {
        if (const auto taglio = std::exchange(validatore->m_taglio, std::nullopt))
            MsgBox(testoTaglio(nome, massimo, taglio->tenuti, taglio->tagliati, taglio->prima), vb::vbExclamation);
    });
    // A cut of the program's own setting is not told (and not told later either).
    QObject::connect(casella, &QLineEdit::textChanged, validatore, [validatore] { validatore->m_taglio.reset(); });
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
