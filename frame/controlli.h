#pragma once
// Controls as the windows' designs describe them: labels with a background
// colour and a border, text boxes, buttons.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <optional>

namespace controlli {

enum class Bordo { Nessuno, Singolo };

// A label; without a background colour it shows the window's.
QLabel* etichetta(const QString& caption, std::optional<std::uint32_t> sfondo = std::nullopt,
                  Bordo bordo = Bordo::Nessuno, Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter);
void coloreSfondo(QWidget* controllo, std::uint32_t colore);
void coloreTesto(QWidget* controllo, std::uint32_t colore);

// A label whose word-wrapped text always shows whole: when the text would run past the top and
// bottom of its rectangle, it is drawn in a smaller font (down to carattereMinimo points) that
// fits. text() stays the text as set.
class EtichettaAdattata : public QLabel {
public:
    using QLabel::QLabel;
    static constexpr qreal carattereMinimo = 6;
    // The font the text is drawn with: the label's own when the text fits in it.
    QFont carattereMostrato() const;
    // Where the text goes: the contents rectangle less the label's margin.
    QRect areaTesto() const;

protected:
    void paintEvent(QPaintEvent* evento) override;
};
// The same as etichetta, with a text that shows whole.
EtichettaAdattata* etichettaAdattata(const QString& caption, std::optional<std::uint32_t> sfondo = std::nullopt,
                                     Bordo bordo = Bordo::Nessuno,
                                     Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter);

QLineEdit* casella(std::uint32_t sfondo = 0x00FFFFFF);
// Holds a text box to `massimo` characters. A text typed or pasted past the limit is cut where
// the inserted part passes it (the text after the cursor stays), and the user is told once per
// edit what was cut and where, naming the box `nome`. A text the program sets is cut silently:
// the readers hold file texts to the same limit.
void limitaLunghezza(QLineEdit* casella, int massimo, const QString& nome);
// What the user is told then: `tenuti` characters kept before the cut, `tagliati` cut off,
// `prima` the text just before the cut.
QString testoTaglio(const QString& nome, int massimo, int tenuti, int tagliati, const QString& prima);
QPushButton* pulsante(const QString& caption, const QString& suggerimento = QString());

// The width in pixels a control gives its text (a text box, a label or a
// combo box), frames, margins and the combo's arrow taken off.
int spazioTesto(const QWidget* controllo);
// True when `testo` shows whole in the control with the control's font.
bool contiene(const QWidget* controllo, const QString& testo);

// A label that shows as much of its text as fits, cut visibly with "…"; when
// cut, its tooltip shows the whole text (above the tooltip of its own, if any).
class EtichettaElisa : public QLabel {
public:
    explicit EtichettaElisa(Qt::TextElideMode modo = Qt::ElideRight) : m_modo(modo) {}
    void setTesto(const QString& testo);
    const QString& testo() const { return m_testo; }
    void setSuggerimento(const QString& suggerimento);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void aggiorna();
    Qt::TextElideMode m_modo;
    QString m_testo;
    QString m_suggerimento;
};

// A combo box whose shown item is cut visibly with "…" where it does not fit,
// the whole item in its tooltip; the open list shows the items whole.
class Tendina : public QComboBox {
public:
    explicit Tendina(Qt::TextElideMode modo = Qt::ElideRight) : m_modo(modo) {}

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Qt::TextElideMode m_modo;
};

} // namespace controlli
