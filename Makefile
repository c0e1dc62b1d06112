# Convenience front end over CMake + Ninja.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test clean

deps:
	bash tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  xvfb-run -a $(BUILD_DIR)/app/pinsmith; \
	else \
	  $(BUILD_DIR)/app/pinsmith; \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
