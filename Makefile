# Set-up and everyday commands. `make run` starts the program, `make test` runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
SANITIZE ?= 0

ifeq ($(SANITIZE),1)
BUILD := $(BUILD)-sanitize
CMAKE_FLAGS += -DMURVA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
endif

FUZZ_SECONDS ?= 600

.PHONY: deps configure build run test bench fuzz install uninstall package clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/murva $(wildcard examples/welcome.mrv)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Installs the program, its menu entry, icon and file types under PREFIX (/usr/local unless
# given); DESTDIR stages the install elsewhere.
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) $(if $(PREFIX),--prefix "$(PREFIX)")

uninstall:
	@DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall

# A Debian package (murva_<version>_<arch>.deb, here) of an optimised, hardened build
# without tests; its dependencies are computed from the binary.
package: deps
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DMURVA_TESTS=OFF \
		-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" > /dev/null
	@cmake --build build-package -j $(JOBS)
	@cd build-package && cpack -G DEB > /dev/null
	@cp build-package/murva_*.deb .
	@ls murva_*.deb

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DMURVA_BENCH=ON -DMURVA_TESTS=OFF > /dev/null
	@cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

# The opening-road fuzzer under AddressSanitizer and UndefinedBehaviorSanitizer, for
# FUZZ_SECONDS; what it finds is kept in tests/fuzz/regressions/. Not part of make test.
fuzz:
	@bash scripts/install-deps fuzz
	@cmake -S . -B build-fuzz -DMURVA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_opening
	@bash tests/fuzz/run build-fuzz/fuzz_opening $(FUZZ_SECONDS)

clean:
	rm -rf build build-sanitize build-bench build-fuzz build-package murva_*.deb
