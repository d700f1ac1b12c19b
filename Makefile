# The two commands of the README: `make run` and `make test`.
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build

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
