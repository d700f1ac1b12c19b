#pragma once
// What the seven main windows do alike: the menu bar with its Modifica,
// Visualizza and help menus and the window's own item at the right, the
// 22-button toolbar and its dispatch, the window menu, the colour command,
// the hint line and the resizer. Each window fills its File menu and maps
// the commands to its own handlers by overriding the hooks below.

#include "frame/CommonDialog.h"
#include "frame/controlli.h"
#include "frame/finestra.h"

#include <memory>

class Barrastrumenti;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class clsResize;

class FinestraPrincipale : public Finestra {
    Q_OBJECT
public:
    static constexpr int larghezza = 9600; // twips
    static constexpr int altezza = 6825;
    static constexpr int altezzaBarra = 420; // the toolbar along the top of the client area

    // numero: 1 to 7; nomeBreve: how the window names itself in its own question
    // ("Frontespizio"); guida: its help window ("guidafrontespizio"). A window
    // without a menu bar (the circular's chapters) has no File menu either.
    enum class Menu { Con, Senza };
    FinestraPrincipale(const QString& nome, int numero, const QString& nomeBreve, const QString& guida,
                       Menu menu = Menu::Con);
    ~FinestraPrincipale() override;

    int numero() const { return numeroFinestra; }
    // The window's own help page ("guidadati").
    const QString& guidaPropria() const { return guida; }

    controlli::EtichettaAdattata* passo; // the hint line, its text always shown whole
    Barrastrumenti* Toolbar1;
    CommonDialog CommonDialog1;
    std::unique_ptr<clsResize> ridimensiona;

    // A menu item by its name ("apri", "colorare", "fin3", "finestra"...), or nullptr.
    QAction* voce(const QString& nome) const;
    // The File menu, first on the menu bar, which each window fills.
    QMenu* menuFile() const { return file; }

    // The toolbar's dispatch: an index outside 1 to 22 acts as button 1.
    virtual void Toolbar1_ButtonClick(int indice);
    // Item k of "Visualizza": shows main window k; the window's own item asks
    // whether the user wants its help.
    virtual void fin_Click(int k);
    // The item at the right of the menu bar: the window's help at once.
    virtual void finestra_Click();
    void colorare_Click();
    void guida_Click();
    void sugger_Click();
    void supporto_Click();
    void informazioni_Click();
    void esci_Click();
    // The window's data check, as its "Controllo dati immessi" command runs it;
    // the data-file commands reach it by the window's name.
    void controlloDati() { comandoControllo(); }

protected:
    // The window's own commands, reached from the toolbar and the standard menus.
    virtual void comandoApri() {}
    virtual void comandoSalva() {}
    virtual void comandoElimina() {}
    // A window that does not print tells the user where the printout is made.
    virtual void comandoStampa();
    virtual void comandoControllo() {}
    virtual void comandoCancella() {}
    // What the printer command says in a window that does not print.
    virtual QString senzaStampa() const;

    // Creates the resizer, sizes the window to 75% of the screen, then to its design size.
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;

    // The title bar's close: as Finestra's, but the last main window on screen runs the exit.
    void closeEvent(QCloseEvent* evento) override;

    // Adds a named item that runs `azione`.
    QAction* aggiungiVoce(QMenu* menu, const QString& nome, const QString& caption, std::function<void()> azione);
    QMenu* aggiungiSottomenu(QMenu* menu, const QString& nome, const QString& caption);
    // "&Salva" and the submenu "Salva con &nome..." with its two saves (network alone, or with the pipes).
    void aggiungiSalvataggi(QMenu* menu, std::function<void()> salva, std::function<void()> senzaVerifica,
                            std::function<void()> conVerifica);
    // A command button of the bottom row (top 5760, 1095 x 375 twips) that runs `azione`.
    QPushButton* pulsanteInBasso(const QString& caption, const QString& suggerimento, int left, std::function<void()> azione);
    // The rest of the menu bar; called by the window once its File menu is filled.
    void completaBarraMenu();

private:
    int numeroFinestra;
    QString nomeBreve;
    QString guida;
    QMenu* file = nullptr;
    bool coloreDialogoImpostato = false;
};
