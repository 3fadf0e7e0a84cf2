# Entry points for people: `make run` and `make test` do every step on a fresh Debian machine.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
JOBS      ?= $(shell nproc)

# Warnings fail the build here, and so in CI; a plain CMake configure leaves them warnings.
CMAKE_FLAGS = -G Ninja -DVQ_WERROR=ON

.PHONY: deps configure build run test bench asan-test package format format-check clean

deps:
	./scripts/install-deps.sh

# Configured again when this file changes, so that a build tree keeps up with its flags.
$(BUILD_DIR)/build.ninja: Makefile
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The program alone: a newcomer's first command does not wait for the test suites.
run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target veltranoquisenary
	./$(BUILD_DIR)/bin/veltranoquisenary

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/tests/core/calculation_benchmark

# Tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
# fast_unwind_on_malloc=0: Debian's libraries have no frame pointers, so the fast
# unwinder stops a library allocation's stack at its first library frame, and a
# suppression that names a function further out never matches.
asan-test: deps
	cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVQ_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0:fast_unwind_on_malloc=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The Debian package, built in $(BUILD_DIR) from what `cmake --install` puts under /usr.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check: deps
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
