# Two entry points for a fresh Debian 12 machine (as root):
#   make run    installs what is missing, builds, opens the editor on the sample registry
#   make test   installs what is missing, builds, runs the whole test suite
BUILD     ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS      ?= $(shell nproc)
PACKAGES  := cmake ninja-build g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libjpeg-dev \
             fonts-liberation2 poppler-utils

.PHONY: deps configure build run test converter clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/editor/quillmark "$(CURDIR)/samples/HIDR.DAT"

converter: build
	$(BUILD)/converter/torvane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
