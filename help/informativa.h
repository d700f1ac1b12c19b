#pragma once
// What the terms of use and the price list share: a light-yellow window that
// the help index opens, with "Sommario", "Stampa" and "Chiudi" along its top.
// On loading the resizer sizes it to 75% of the screen, centred, and then it
// takes its design size (and left edge, when it has one); closing it, by its
// button or the title bar, hides it with its state.

#include "frame/finestra.h"

#include <memory>

class QPushButton;
class clsResize;

class FinestraInformativa : public Finestra {
    Q_OBJECT
public:
    ~FinestraInformativa() override;

    QPushButton* cmdSommario;
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;

    void cmdSommario_Click();
    void cmdchiudi_Click();
    virtual void cmdstampa_Click() = 0;

protected:
    // Sizes in twips; a left edge below 0 leaves the window where the resizer centred it.
    FinestraInformativa(const QString& nome, const QString& suggerimentoStampa, const QString& suggerimentoChiudi,
                        int larghezza, int altezza, int sinistra = -1);
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    bool chiusuraNasconde() const override { return true; }

private:
    std::unique_ptr<clsResize> m_ridimensiona;
    int m_larghezza;
    int m_altezza;
    int m_sinistra;
};
