#pragma once
// About the program.

#include "frame/finestra.h"
#include "frame/nomifinestre.h"

class QLabel;
class QPushButton;

class informa : public Finestra {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::informa;
    informa();

    QLabel* lblTitle;
    QLabel* lblDescrizione;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;

    void cmdOK_Click();

protected:
    void Form_Load() override;
    bool chiusuraNasconde() const override { return true; }
};
