#pragma once
// How to reach the maker's customer support.

#include "frame/finestra.h"
#include "frame/nomifinestre.h"

class QLabel;
class QPushButton;

class supportoclienti : public Finestra {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::supportoclienti;
    supportoclienti();

    QLabel* Label1;
    QPushButton* Command1;

    void Command1_Click();

protected:
    bool chiusuraNasconde() const override { return true; }
};
