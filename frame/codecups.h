#pragma once
// The print queues as CUPS, the Linux print system, tells of them, through its
// own library (the one Qt's print engine hands jobs to). Each question opens
// the scheduler the environment names (CUPS_SERVER, else the system's); a
// scheduler that does not answer is told as such, never as an unknown queue
// or a lost job.

#include "frame/servizi.h"

namespace servizi {

class CodeCups : public CodeStampa {
public:
    std::optional<Rifiuto> rifiuto(const QString& coda) override;
    std::optional<int> ultimoLavoro(const QString& coda) override;
    std::optional<bool> haLavoro(const QString& coda, int dopo) override;
};

} // namespace servizi
