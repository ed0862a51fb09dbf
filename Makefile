# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test test-asan build deps configure bench clean install deb

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	cd data && ../$(BUILD)/zelk

test: build
	cd $(BUILD) && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure --timeout 300 -j$(JOBS)

# The library and the whole suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang, so the fuzz targets build too), then run,
# fuzzers included. The end-to-end runs stay with `make test`: they test the
# window, not memory, and the X libraries are not built for the sanitizers.
# -O1 with line tables only: readable reports for half the compile time of a
# full debug build.
ASAN_BUILD ?= build-asan
# The pictures and sounds come from the plain build's generators (`build`).
# The slowest whole games of the flow tests (the model following six games,
# the Expert's game) are left to `make test`: the whole game against
# Beginner and the random-input run cover the same code here. The fuzzers
# run for a fixed time, not a fixed amount of work, so they run four at a
# time.
ASAN_SKIP = ^e2e_|^fuzz_|PositionModel.FollowsWholeGamesOfTwoPeople|AWholeGameAgainstExpert
ASAN_ENV = SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-asan: build
	@tools/install-deps.sh --sanitizers
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Asan \
		-DCMAKE_CXX_FLAGS_ASAN="-O1 -gline-tables-only" \
		-DZELK_SANITIZE=ON -DZELK_FUZZ=ON -DZELK_BENCH=OFF -DZELK_GENERATORS=OFF > /dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && $(ASAN_ENV) ctest --output-on-failure --timeout 300 -j$(JOBS) -E '$(ASAN_SKIP)'
	cd $(ASAN_BUILD) && $(ASAN_ENV) ctest --output-on-failure -j4 -L fuzz
	@# Each way of quitting while the computer thinks, once, on a real display:
	@# the exit under the sanitizers (the X library's own leaks set aside).
	cd $(ASAN_BUILD) && $(ASAN_ENV) LSAN_OPTIONS=suppressions=$(CURDIR)/tests/e2e/x11-leaks.supp \
		ZELK_E2E_QUITS=4 ctest --output-on-failure -R '^e2e_quits$$'

# cmake's install rules: PREFIX and DESTDIR as usual.
PREFIX ?= /usr/local
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, built from a clean copy of the sources with its own
# tests, then checked with lintian (tools/build-deb.sh).
deb:
	@tools/install-deps.sh --package
	tools/build-deb.sh $(JOBS)

bench: build
	$(BUILD)/bench/zelk-bench

clean:
	rm -rf $(BUILD)
