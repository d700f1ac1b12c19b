#pragma once
// The Qt implementations of the platform services.

#include "frame/servizi.h"

#include <QObject>
#include <QString>

class QProcess;

namespace servizi {

class MessaggiQt : public Messaggi {
public:
    int mostra(const QString& testo, int stile, const QString& titolo) override;
};

class DialoghiQt : public Dialoghi {
public:
    std::optional<QString> file(const RichiestaFile& richiesta) override;
    std::optional<QColor> colore(const QColor& iniziale) override;
    bool stampante(QPrinter& stampante) override;
};

class StampaQt : public Stampa {
public:
    std::shared_ptr<office::Superficie> superficie(QPrinter& stampante) override;
};

class ShellQt : public Shell {
public:
    std::int32_t apri(const QString& indirizzo) override;
};

// Plays a MIDI file through FluidSynth when it and a General MIDI sound font
// are installed; silent otherwise. It never reports an error: the music is
// an ornament of the splash, never a reason to stop the program.
class LettoreMidi : public Musica {
public:
    LettoreMidi();
    ~LettoreMidi() override;
    void open(const QString& file) override;
    void play() override;
    void pause() override;
    void close() override;

private:
    QString file;
    QProcess* processo = nullptr;
    bool inPausa = false;
};

// "desc|pattern|desc|pattern" as Qt name filters ("desc (pattern)").
QStringList filtriQt(const QString& filtro);

} // namespace servizi
