BUILD_DIR ?= build
JOBS ?= 2

.PHONY: run test deps build clean

run: build
	$(BUILD_DIR)/bin/korvel

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

deps:
	tools/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

clean:
	rm -rf $(BUILD_DIR)
