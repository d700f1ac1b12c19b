// The seismic form at its design size: every control inside the window, none
// over another, every caption whole in its label, the boxes tall enough for
// their text, and the tab order along the fields.
#include "sismica_prova.h"

#include "frame/ModVelmor.h"
#include "frame/barrastrumenti.h"
#include "frame/controlli.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

using namespace tubazioni;

namespace {

class SismicaAspetto : public ConSismica {
protected:
    // Shows a complete pipe with the widest verdict, so that every label holds text.
    static sismica& finestraPiena()
    {
        auto& s = finestra();
        digitaTuboCompleto(QStringLiteral("Via Roma, tratto 4-5"));
        digita(campo::traz, "1");
        EXPECT_EQ(s.esito->text(), "non verificato");
        return s;
    }

    static std::vector<QWidget*> piazzati(const sismica& s)
    {
        std::vector<QWidget*> w;
        for (const auto& c : s.controlli())
            if (c.widget && !qobject_cast<QToolBar*>(c.widget.data()))
                w.push_back(c.widget);
        return w;
    }
};

QString nome(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return "label '" + l->text() + "'";
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return "button '" + b->text() + "'";
    return QString::fromLatin1(w->metaObject()->className()) + " " + w->objectName();
}

TEST_F(SismicaAspetto, NullaFuoriENullaSovrapposto)
{
    auto& s = finestraPiena();
    const std::vector<QWidget*> w = piazzati(s);
    ASSERT_GE(w.size(), 50u);
    const QRect area = s.area()->rect();
    const int sottoLaBarra = s.Toolbar1->geometry().bottom();
    for (size_t i = 0; i < w.size(); ++i) {
        const QRect r = w[i]->geometry();
        EXPECT_TRUE(area.contains(r)) << nome(w[i]).toStdString();
        EXPECT_GT(r.top(), sottoLaBarra) << nome(w[i]).toStdString();
        for (size_t j = i + 1; j < w.size(); ++j)
            EXPECT_FALSE(r.intersects(w[j]->geometry()))
                << nome(w[i]).toStdString() << " / " << nome(w[j]).toStdString();
    }
}

TEST_F(SismicaAspetto, TestiInteri)
{
    auto& s = finestraPiena();
    for (QWidget* w : piazzati(s)) {
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->wordWrap() || l->text().isEmpty())
                continue;
            const int spazio = l->contentsRect().width() - l->indent() - 2 * l->margin();
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), spazio) << nome(l).toStdString();
            EXPECT_LE(l->fontMetrics().height(), l->contentsRect().height()) << nome(l).toStdString();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_LE(b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&')) + 8, b->width())
                << nome(b).toStdString();
        } else if (auto* c = qobject_cast<QLineEdit*>(w)) {
            // The text and its frame fit in the box's height.
            const int cornice = c->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, c);
            EXPECT_LE(c->fontMetrics().height() + 2 * cornice, c->height()) << nome(c).toStdString();
        }
    }
    // The numbers too: the widest a box or a stress is made to hold shows whole.
    for (int c = campo::pesos; c <= campo::bmax; ++c)
        EXPECT_TRUE(controlli::contiene(s.datisismici[c], sismica::valorePiuLargo)) << c;
    for (QLabel* l : {s.scs, s.sts, s.scm, s.stm, s.sci, s.sti})
        EXPECT_TRUE(controlli::contiene(l, sismica::valorePiuLargo)) << nome(l).toStdString();
    // The hint line wraps: its longest hint must fit in its two lines.
    digita(campo::spess, "0");
    EXPECT_TRUE(s.passo->text().contains("spessore"));
    const QRect testo = s.passo->fontMetrics().boundingRect(s.passo->contentsRect(), Qt::TextWordWrap | Qt::AlignCenter,
                                                             s.passo->text());
    EXPECT_LE(testo.height(), s.passo->contentsRect().height()) << s.passo->text().toStdString();
}

TEST_F(SismicaAspetto, OrdineDiTabulazioneSuiCampiDaDigitare)
{
    auto& s = finestra();
    s.Show();
    std::vector<QWidget*> ordine;
    QWidget* w = s.datisismici[campo::riferimento];
    for (int k = 0; k < 14; ++k) {
        ordine.push_back(w);
        w = w->nextInFocusChain();
        while (w && !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
    }
    std::vector<QWidget*> atteso;
    for (int c = 1; c <= numeroCampi; ++c)
        if (c != campo::peso)
            atteso.push_back(s.datisismici[c]);
    EXPECT_EQ(ordine, atteso);
    EXPECT_FALSE(s.datisismici[campo::peso]->focusPolicy() & Qt::TabFocus);  // computed, skipped by TAB
}

}  // namespace
