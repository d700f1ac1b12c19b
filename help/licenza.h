#pragma once
// The terms of use: a fixed text under the program's name, read-only, which a
// button types into a new word-processor document. Opened from the help index.

#include "frame/nomifinestre.h"
#include "help/informativa.h"

class QLabel;
class QPlainTextEdit;

class licenza : public FinestraInformativa {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::licenza;
    static constexpr char FILE_TESTO[] = "licenza.txt";
    licenza();

    QLabel* Label2;
    QPlainTextEdit* Text1;

    void cmdstampa_Click() override;

protected:
    void Form_Load() override;
};
