# Two entry points for a fresh Debian 12 machine (as root):
#   make run    installs what is missing, builds, opens the editor on the sample registry
#   make test   installs what is missing, builds, runs the whole test suite
BUILD     ?= build
BUILD_TYPE ?= RelWithDebInfo
# WERROR=ON turns every compiler warning into an error (CI builds so).
WERROR    ?= OFF
JOBS      ?= $(shell nproc)
PACKAGES  := cmake ninja-build g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libjpeg-dev \
             fonts-liberation2 poppler-utils libbenchmark-dev qt6-charts-dev libqt6opengl6-dev \
             qt6-translations-l10n libxlsxwriter-dev zlib1g-dev

FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
FUZZ_SECONDS ?= 8

.PHONY: deps fuzz-deps configure build run test sanitize fuzz-short converter clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DHYDRO_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/editor/quillmark "$(CURDIR)/samples/HIDR.DAT"

converter: build
	$(BUILD)/converter/torvane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, no recovery.
sanitize: deps
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHYDRO_SANITIZE=ON \
	  -DHYDRO_WERROR=$(WERROR)
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# A short run of every fuzz target from its seed corpus (clang and libFuzzer).
fuzz-short: fuzz-deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHYDRO_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_targets
	ASAN_OPTIONS=detect_leaks=0 tests/fuzz/run-fuzzers.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)

# The two Debian packages, velarin and tobrel, from a Release build of the programs alone,
# with Debian's build flags (its -O2 and hardening; Release adds only NDEBUG); lintian then
# reads them (its errors fail the target).
PACKAGE_BUILD ?= build-package
PACKAGE_TOOLS := help2man librsvg2-bin lintian desktop-file-utils dpkg-dev file

.PHONY: package-deps package

package-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(PACKAGE_TOOLS)"

package: package-deps
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	ldflags="$$(dpkg-buildflags --get LDFLAGS)"; \
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$$ldflags" \
	  -DHYDRO_WERROR=$(WERROR) -DHYDRO_TESTS=OFF -DHYDRO_PACKAGE=ON -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack --config CPack-velarin.cmake && cpack --config CPack-tobrel.cmake
	lintian $(PACKAGE_BUILD)/velarin_*.deb $(PACKAGE_BUILD)/tobrel_*.deb
