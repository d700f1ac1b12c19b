#!/bin/sh
# Installs the Debian packages Velmor needs, only those that are missing.
#   installa-dipendenze.sh          what building and testing need
#   installa-dipendenze.sh --run    also what running the program needs (music)
#   installa-dipendenze.sh --bench  also what the timing programs run under (a virtual display)
#   installa-dipendenze.sh --fuzz   also clang and its libFuzzer, for the fuzz targets
set -e

# libcups2-dev: the print system's library; cups-daemon and cups-client: the
# private print scheduler and its queues that the printing test sets up; python3-docx: the report's
# bench builds the same document with it, and a test checks how the two documents are compared.
PACCHETTI="g++ make cmake pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libzip-dev libgtest-dev \
libcups2-dev cups-daemon cups-client fonts-liberation poppler-utils libreoffice-writer-nogui python3-docx"
if [ "$1" = "--run" ]; then
    PACCHETTI="$PACCHETTI fluidsynth timgm6mb-soundfont"
fi
if [ "$1" = "--bench" ]; then
    PACCHETTI="$PACCHETTI xvfb xauth"
fi
if [ "$1" = "--fuzz" ]; then
    PACCHETTI="$PACCHETTI clang libclang-rt-dev"
fi

MANCANTI=""
for p in $PACCHETTI; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        MANCANTI="$MANCANTI $p"
    fi
done
[ -z "$MANCANTI" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SU=""
elif command -v sudo >/dev/null 2>&1; then
    SU="sudo"
else
    echo "Mancano i pacchetti:$MANCANTI (serve l'utente root o sudo per installarli)" >&2
    exit 1
fi

echo "Installazione dei pacchetti mancanti:$MANCANTI"
export DEBIAN_FRONTEND=noninteractive
if ! $SU apt-get install -y --no-install-recommends $MANCANTI; then
    $SU apt-get update
    $SU apt-get install -y --no-install-recommends $MANCANTI
fi
