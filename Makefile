# make run   opens the wizard in a sandbox folder beside a stand-in installer
# make test  builds and runs every test lane (Linux with sanitizers, Windows under Wine)

BUILD      ?= build
JOBS       ?= 2
LINUX_RUN  := $(BUILD)/linux
LINUX_TEST := $(BUILD)/linux-test
WINDOWS    := $(BUILD)/windows
SANDBOX    := $(LINUX_RUN)/sandbox
# How long each stand-in program takes in `make run`, so the waiting window shows.
SIM_SLEEP_MS ?= 1500

BUILD_PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libsimpleini-dev fonts-liberation2 \
                  fonts-dejavu-extra
TEST_PACKAGES  := $(BUILD_PACKAGES) libgtest-dev libgmock-dev googletest clang-format \
                  g++-mingw-w64-x86-64-posix wine wine64 samba smbclient poppler-utils

.PHONY: run test build-run test-linux test-windows check-format packages-run packages-test clean

run: packages-run build-run
	@rm -rf $(SANDBOX) && mkdir -p $(SANDBOX)/config
	@cp $(LINUX_RUN)/bin/TellwickEasySetup $(SANDBOX)/
	@cp $(LINUX_RUN)/bin/product-sim $(SANDBOX)/TELLWICK4SETUP.EXE
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display: run 'make run' in a desktop session, or under a virtual one with 'xvfb-run make run'."; \
	  exit 1; fi
	@echo "The stand-in logs every program run to $(SANDBOX)/product-sim.log."
	cd $(SANDBOX) && XDG_CONFIG_HOME=$(abspath $(SANDBOX))/config TELLWICK_SIM_SLEEP_MS=$(SIM_SLEEP_MS) \
	  ./TellwickEasySetup

test: packages-test check-format test-linux test-windows

packages-run:
	@tools/install-packages $(BUILD_PACKAGES)

packages-test:
	@tools/install-packages $(TEST_PACKAGES)

build-run:
	cmake -S . -B $(LINUX_RUN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_TESTS=OFF
	cmake --build $(LINUX_RUN) -j$(JOBS)

check-format:
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

test-linux:
	cmake -S . -B $(LINUX_TEST) -DCMAKE_BUILD_TYPE=Debug -DTW_SANITIZE=ON
	cmake --build $(LINUX_TEST) -j$(JOBS)
	ctest --test-dir $(LINUX_TEST) --output-on-failure --timeout 300 -j$(JOBS)

test-windows:
	cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release -DTW_GUI=OFF \
	  -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-w64.cmake)
	cmake --build $(WINDOWS) -j$(JOBS)
	tools/windows-lane $(WINDOWS)

clean:
	rm -rf $(BUILD)
