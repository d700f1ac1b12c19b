#pragma once
// The terms of use: a fixed text under the program's name, read-only, which a
// button types into a new word-processor document. Opened from the help index.

#include "frame/finestra.h"

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class clsResize;

class licenza : public Finestra {
    Q_OBJECT
public:
    static constexpr char NOME[] = "licenza";
    static constexpr char FILE_TESTO[] = "licenza.txt";
    licenza();
    ~licenza() override;

    QPushButton* cmdSommario;
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QLabel* Label2;
    QPlainTextEdit* Text1;

    void cmdchiudi_Click();
    void cmdSommario_Click();
    void cmdstampa_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    bool chiusuraNasconde() const override { return true; }

private:
    std::unique_ptr<clsResize> ridimensiona;
};
