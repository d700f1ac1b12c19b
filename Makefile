# The two commands of the README: `make run` and `make test`.
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build bench

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

# Timings of the program (not part of the tests): the full report against python-docx, the grid.
bench:
	./scripts/installa-dipendenze.sh --bench
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	./$(BUILD)/bench_relazione
	./$(BUILD)/bench_rete
	./$(BUILD)/bench_documento
