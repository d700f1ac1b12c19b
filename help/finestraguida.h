#pragma once
// The help windows: nine pages of one shape, each a title and a running text
// with three buttons (back to the help index, to the word processor, close).
// Each page is a window of its own, registered under its name ("manuale",
// "guidadati"...); what tells them apart is their entry in pagine.h.

#include "help/finestraaiuto.h"
#include "help/pagine.h"

class QLabel;
class QPushButton;

class finestraguida : public FinestraAiuto {
    Q_OBJECT
public:
    static constexpr int larghezzaManuale = 9600; // twips

    explicit finestraguida(const guida::Pagina& pagina);

    QPushButton* cmdSommario;
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QLabel* Label1; // the title
    QLabel* Label2; // the text

    void cmdSommario_Click();
    void cmdstampa_Click();
    void cmdchiudi_Click();

protected:
    // The circular chapters' page unloads when closed, so that it opens afresh
    // where its load puts it; the others hide and keep where they were.
    bool chiusuraNasconde() const override { return !eNorme(); }

private:
    bool eManuale() const;
    bool eNorme() const;
};

namespace guida {
// The help window of a page, loaded (not shown) when it was not; nullptr for a name that is not a help page.
finestraguida* finestraDellaPagina(const QString& nome);
} // namespace guida
