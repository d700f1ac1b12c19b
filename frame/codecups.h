#pragma once
// The print queues as CUPS, the Linux print system, tells of them, through its
// own library (the one Qt's print engine hands jobs to). Each question opens
// the scheduler the environment names (CUPS_SERVER, else the system's); a
// scheduler that does not answer is a queue that takes no jobs.

#include "frame/servizi.h"

namespace servizi {

class CodeCups : public CodeStampa {
public:
    std::optional<QString> rifiuto(const QString& coda) override;
    std::optional<int> ultimoLavoro(const QString& coda) override;
    bool haLavoro(const QString& coda, const QString& nome, int dopo) override;
};

} // namespace servizi
