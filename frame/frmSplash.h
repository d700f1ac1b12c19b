#pragma once
// The start-up splash, and the closing screen after the exit routine.

#include "frame/finestra.h"
#include "frame/nomifinestre.h"

class QLabel;

class frmSplash : public Finestra {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::frmSplash;
    frmSplash();

    QLabel* lblAzienda;
    QLabel* lblMessaggio; // the second label: its text changes on the closing screen
    QLabel* lblProdotto;
    QLabel* lblDescrizione;
    QLabel* lblVersione;
    QLabel* lblIstruzioni;

    void Form_Click();
    void Form_KeyPress();
    // Brings the splash back as the closing screen of the exit routine.
    void schermataDiChiusura();

protected:
    void Form_Load() override;
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void suona();
    void suonaSeInAttesa();

    // The start-up music waits for the splash's first paint: starting the player's process
    // first would keep the splash from showing for as long as that takes. A click or a key
    // press before then leaves it unplayed, as it would have paused or closed it.
    bool m_musicaInAttesa = false;
};
