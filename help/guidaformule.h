#pragma once
// The picture of the seismic formulas, larger than the window, moved under it
// by two scroll bars; its print button puts the picture into a new document.

#include "frame/nomifinestre.h"
#include "help/finestraaiuto.h"

#include <QImage>

class QLabel;
class QPushButton;
class QScrollBar;

class guidaformule : public FinestraAiuto {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::guidaformule;

    guidaformule();

    QPushButton* cmdSommario;
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QLabel* Image1;       // the picture at its natural size
    QScrollBar* HScroll1; // the picture's left edge is at minus its value (twips)
    QScrollBar* VScroll1; // the picture's top edge is at minus its value (twips)

    // The picture Image1 holds.
    const QImage& figura() const { return m_figura; }

    void HScroll1_Change();
    void VScroll1_Change();
    void cmdSommario_Click();
    void cmdstampa_Click();
    void cmdchiudi_Click();

protected:
    void Form_Resize() override;

private:
    QImage m_figura;
    QSize m_dimensione; // at the last placing of the controls
};
