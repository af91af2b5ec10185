# make run: install what is missing, build in Release, start the game.
# make test: the same set-up, then every test through ctest.
# make sanitize: the core, the game controller and their tests built with
#   AddressSanitizer and UBSan and with assertions on, run through ctest.
# make fuzz: every file reader and the engine server fuzzed for FUZZ_SECONDS each
#   (clang, libFuzzer).
# make format: every C++ file laid out by .clang-format; make format-check
#   fails, naming the files, when one is not.
# make install: the build installed under PREFIX (default /usr/local).
# make package: a Debian package of the build (CPack), in build/.
BUILD_DIR ?= build
SAN_DIR ?= build-san
FUZZ_DIR ?= build-fuzz
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 30
# The sanitizer build keeps assert() (no -DNDEBUG): the search checks its
# incremental state against the board at every move there.
PREFIX ?= /usr/local
# Extra CMake options of the sanitizer build (the Qt program stays out: its
# libraries are not instrumented), and the ctest labels it runs (all when empty).
SAN_CMAKE_FLAGS ?= -DKOLMAR_APP=OFF
SAN_LABELS ?=

.PHONY: deps configure build run test sanitize fuzz format format-check install package clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/kolmar/kolmar

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

sanitize: deps
	cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g" \
		-DKOLMAR_SANITIZE=ON $(SAN_CMAKE_FLAGS)
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) $(if $(SAN_LABELS),-L '$(SAN_LABELS)')

fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
		-DKOLMAR_APP=OFF -DKOLMAR_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_tout
	tests/fuzz/lancer.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

SOURCES_CXX = git ls-files -z '*.cpp' '*.h'

format: deps
	$(SOURCES_CXX) | xargs -0 clang-format -i

format-check: deps
	$(SOURCES_CXX) | xargs -0 clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(FUZZ_DIR)
