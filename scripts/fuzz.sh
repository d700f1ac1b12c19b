#!/bin/sh
# Runs every fuzz target of a fuzz build (make fuzz) for a bounded time each,
# starting from the seed corpus under tests/fuzz/corpus and from what earlier
# runs kept in the build folder. Fails when a target finds an input that makes
# its reader fail; the input is left in <build>/artefatti/ to become a test.
#   fuzz.sh [seconds per target, default 25] [build folder, default build-fuzz]
set -e
cd "$(dirname "$0")/.."
SECONDI=${1:-25}
# The longest input tried: past the readers' 10,000-character line and past a file of 500
# segments (about 45,000 bytes), so that both limits are reached.
LUNGHEZZA=65536
BUILD=${2:-build-fuzz}
mkdir -p "$BUILD/artefatti" "$BUILD/registri"
LSAN_OPTIONS="suppressions=$(pwd)/tests/fuzz/lsan.supp"
export LSAN_OPTIONS

esito=0
trovati=0
for eseguibile in "$BUILD"/fuzz_*; do
    [ -f "$eseguibile" ] && [ -x "$eseguibile" ] || continue
    trovati=$((trovati + 1))
    nome=${eseguibile##*/fuzz_}
    lavoro="$BUILD/corpus/$nome"
    registro="$BUILD/registri/$nome.log"
    mkdir -p "$lavoro"
    if "$eseguibile" -max_total_time="$SECONDI" -print_final_stats=1 -timeout=10 -max_len="$LUNGHEZZA" \
        -artifact_prefix="$BUILD/artefatti/$nome-" "$lavoro" "tests/fuzz/corpus/$nome" >"$registro" 2>&1; then
        esecuzioni=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
        copertura=$(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' "$registro" | tail -1)
        echo "fuzz $nome: $esecuzioni esecuzioni, nessun errore ($copertura)"
    else
        tail -n 40 "$registro"
        echo "fuzz $nome: FALLITO, l'ingresso è in $BUILD/artefatti/"
        esito=1
    fi
done
if [ "$trovati" -eq 0 ]; then
    echo "nessun eseguibile fuzz_* in $BUILD" >&2
    exit 1
fi
exit $esito
