#include "report/condizioni.h"

#include "seismic/tabellatubi.h"

namespace relazione {

bool conAcqueBianche(const QString& sistema) { return sistema != QLatin1String("nere"); }
bool conAcqueNere(const QString& sistema) { return sistema != QLatin1String("bianche"); }
bool conTubi() { return tubazioni::numeroTubi() > 0; }

} // namespace relazione
