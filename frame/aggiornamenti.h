#pragma once
// Tells the windows that the shared tables changed under them, so that each
// refreshes what it shows. Code that replaces the tables (reading a data
// file) emits; the windows that show the tables connect while they are loaded.
// A window not loaded hears nothing and shows the tables afresh when it loads.

#include <QObject>

class Aggiornamenti : public QObject {
    Q_OBJECT
public:
    static Aggiornamenti& istanza();

signals:
    // The segments were replaced.
    void reteCambiata();
    // The pipes were replaced.
    void tubiCambiati();
};
