# The two commands of the README: `make run` and `make test`; CI also runs
# `make test-asan` (the tests under AddressSanitizer and UndefinedBehaviorSanitizer)
# and `make fuzz` (every fuzz target, FUZZ_SECONDI seconds each).
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS := $(shell nproc 2>/dev/null || echo 2)

ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDI := 25

.PHONY: run test build bench test-asan fuzz

run:
	./scripts/installa-dipendenze.sh --run
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target velmor
	./$(BUILD)/velmor

test:
	./scripts/installa-dipendenze.sh
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Timings of the program: the full report against python-docx, the grid, a large document, the sizing,
# and the start-up to the first paint against a bare Qt window (on a virtual X display when there is
# no display). The tests run each of them once on a tiny input.
bench:
	./scripts/installa-dipendenze.sh --bench
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	./$(BUILD)/bench_relazione
	./$(BUILD)/bench_rete
	./$(BUILD)/bench_documento
	./$(BUILD)/bench_dimensionamento
	if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/bench_avvio; else xvfb-run -a ./$(BUILD)/bench_avvio; fi

test-asan:
	./scripts/installa-dipendenze.sh
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DVELMOR_SANITIZZATORI=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/fuzz/lsan.supp ctest --output-on-failure

fuzz:
	./scripts/installa-dipendenze.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_FLAGS) -DCMAKE_CXX_COMPILER=clang++ -DVELMOR_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_tutti
	./scripts/fuzz.sh $(FUZZ_SECONDI) $(FUZZ_BUILD)
