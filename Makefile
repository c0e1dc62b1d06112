# Convenience front end over CMake + Ninja.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# The libFuzzer targets: built with clang in a folder of their own and run
# for a bounded time from a copy of the committed seed corpus.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test time-tests update-goldens clean fuzz

deps:
	bash tools/install-deps.sh

# Extra CMake options, e.g. CMAKE_ARGS="-DPINSMITH_OFFERED_BOARDS=all".
CMAKE_ARGS ?=

# clang with precompiled headers builds this code in about a third of the CPU
# time g++ takes. COMPILERS= leaves the choice to CMake.
COMPILERS ?= -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINSMITH_WERROR=ON \
	  $(COMPILERS) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  xvfb-run -a $(BUILD_DIR)/app/pinsmith; \
	else \
	  $(BUILD_DIR)/app/pinsmith; \
	fi

# The bounded fuzz run goes first so that ctest's summary closes the output.
test: build
	$(MAKE) fuzz
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The suite label by label: the ten slowest tests and the CPU time per label.
time-tests: build
	bash tools/time-tests.sh $(BUILD_DIR) $(JOBS)

# Rewrites the golden projects from the built program and lists the golden
# files that changed (git status); review them with git diff.
update-goldens: build
	bash tools/update-goldens.sh $(BUILD_DIR) $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPINSMITH_FUZZ=ON \
	  -DPINSMITH_BUILD_GUI=OFF -DPINSMITH_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target settings_fuzz
	rm -rf $(FUZZ_DIR)/corpus/settings $(FUZZ_DIR)/corpus/names && mkdir -p $(FUZZ_DIR)/corpus
	cp -r fuzz/corpus/settings $(FUZZ_DIR)/corpus/settings
	cp -r fuzz/corpus/names $(FUZZ_DIR)/corpus/names
	@echo "Fuzzing the settings files for $(FUZZ_SECONDS) s (log: $(FUZZ_DIR)/fuzz.log)"
	@$(FUZZ_DIR)/fuzz/settings_fuzz -max_total_time=$(FUZZ_SECONDS) \
	  -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus/settings $(FUZZ_DIR)/corpus/names \
	  > $(FUZZ_DIR)/fuzz.log 2>&1 \
	  || { tail -n 60 $(FUZZ_DIR)/fuzz.log; exit 1; }
	@tail -n 1 $(FUZZ_DIR)/fuzz.log

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
