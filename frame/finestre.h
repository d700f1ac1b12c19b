#pragma once
// The registry of windows: one instance per window, created on first use
// (creation runs Form_Load), kept until unloaded. The program ends when no
// window is loaded any more.

#include "frame/finestra.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace finestre {

using Fabbrica = std::function<Finestra*()>;

// Makes a window known by name, so that commands can reach it by name. Windows
// call it through VELMOR_FINESTRA; a name nobody registered is a window not built.
bool registra(const QString& nome, Fabbrica fabbrica);
bool esiste(const QString& nome);

// The loaded instance, or nullptr.
Finestra* trova(const QString& nome);
bool caricata(const QString& nome);

// The instance, loaded now if it was not; nullptr for a window that is not built.
Finestra* usa(const QString& nome);
// Loads if needed and shows; does nothing for a window that is not built.
void mostra(const QString& nome);
// Unloads when loaded; nothing otherwise.
void scarica(const QString& nome);

// Loading, showing or unloading by a name that no window registered is a
// mistake in the caller (a misspelt name): it is told to `segnala` instead of
// passing in silence. By default a critical log line, and an assertion that
// stops a debug build; an empty function brings the default back.
void seNomeSconosciuto(std::function<void(const QString& nome)> segnala);
void scarica(Finestra* finestra);

int quanteCaricate();
// Names of the loaded windows, in the order they were loaded.
QStringList nomiCaricate();

// What happens when the last window is unloaded (by default the application quits).
void allaFine(std::function<void()> azione);

// Typed access to a window class W, whose NOME is its name in frame/nomifinestre.h.
template <class W>
W& forma()
{
    if (Finestra* f = trova(QString::fromUtf8(W::NOME)))
        return *static_cast<W*>(f);
    return *static_cast<W*>(usa(QString::fromUtf8(W::NOME)));
}

// Used by Finestra's destructor.
void dimentica(Finestra* finestra);

} // namespace finestre

// In a window's .cpp: makes the window known to the registry by its NOME.
#define VELMOR_FINESTRA(Classe) \
    static const bool registrata_##Classe = finestre::registra(QString::fromUtf8(Classe::NOME), [] { return new Classe; })
