#pragma once
// The window kit: every window of the program is a Finestra with a single
// instance, kept by the registry (finestre.h). Controls are placed in twips
// on the window's client area, below its menu bar.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QMenuBar;

class Finestra : public QWidget {
    Q_OBJECT
public:
    // Title bar and borders of the window frame, in twips: the outer sizes of
    // the design include them, the client area does not.
    static constexpr int cornice = 120;
    static constexpr int barraTitolo = 330;

    explicit Finestra(const QString& nome);
    ~Finestra() override;

    const QString& nome() const { return nomeFinestra; }

    // Show = load if needed, show modeless and bring to the front.
    void Show();
    void Hide();
    // Unload: Form_Unload runs and the instance goes; the next use loads it afresh.
    void Unload();
    bool caricata() const { return statoCaricata; }

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& testo) { setWindowTitle(testo); }

    std::uint32_t BackColor() const { return coloreSfondo; }
    void setBackColor(std::uint32_t colore);

    // The window's outer size and left edge in twips, title bar and borders included.
    int Width() const;
    int Height() const;
    void setWidth(int tw);
    void setHeight(int tw);
    void setLeft(int tw);

    // The client area below the menu bar, where controls live.
    QWidget* area() const { return client; }
    int ScaleWidth() const;  // pixels
    int ScaleHeight() const; // pixels
    QMenuBar* barraMenu();

    // Controls placed on the window, in the order they were placed.
    struct Controllo {
        QPointer<QWidget> widget;
        int rifiuta = 0; // the properties it refuses to take (see Rifiuta)
    };
    enum Rifiuta { Left = 1, Top = 2, Larghezza = 4, Altezza = 8, Tutto = 15 };
    const std::vector<Controllo>& controlli() const { return elenco; }

    // Places a control at a designed rectangle in twips, on the client area or in a container.
    template <class W>
    W* piazza(W* controllo, int left, int top, int width, int height, QWidget* contenitore = nullptr)
    {
        piazzaControllo(controllo, left, top, width, height, contenitore);
        return controllo;
    }
    // A control kept along the top edge at the full width (a toolbar): the resizer leaves it alone.
    void piazzaInAlto(QWidget* controllo, int altezzaTw);

    // Runs Form_Load; called once by the registry right after creation.
    void carica();
    // Runs Form_Unload; called once by the registry when the window is unloaded.
    void scaricata();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}
    // Secondary windows hide when the user closes them; main windows unload.
    virtual bool chiusuraNasconde() const { return false; }

    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void piazzaControllo(QWidget* controllo, int left, int top, int width, int height, QWidget* contenitore);
    void disponi();
    void ridimensionatoDaCodice();

    QString nomeFinestra;
    QWidget* client;
    QMenuBar* menu = nullptr;
    std::vector<Controllo> elenco;
    QPointer<QWidget> inAlto;
    int altezzaInAlto = 0;
    std::uint32_t coloreSfondo;
    bool statoCaricata = false;
};
