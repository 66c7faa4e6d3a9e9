BUILD_DIR ?= build
JOBS ?= 2

SANITIZE_BUILD_DIR ?= build-sanitize

.PHONY: run test test-plain test-sanitize deps build build-sanitize clean

run: build
	$(BUILD_DIR)/bin/korvel

# The whole suite, then the suite again built with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails the test.
test: test-plain test-sanitize

test-plain: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The tests that measure real-time sound are left out here, since the sanitizers slow the
# program down on purpose.
test-sanitize: build-sanitize
	cd $(SANITIZE_BUILD_DIR) && ctest --output-on-failure -j$(JOBS) -LE realtime

deps:
	tools/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

build-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD_DIR) -j$(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_BUILD_DIR)
