# Tarnwick: the two commands of the quick start, and the pieces under them.
#   make demo   builds the win64 DLLs and runs the desktop-host program on the sample datasource
#   make test   builds every preset and runs every test (native, native-asan, Wine, win32 checks)

PRESETS := native native-asan win64 win32

.PHONY: all setup test demo $(addprefix build-,$(PRESETS)) clean

all: $(addprefix build-,$(PRESETS))

setup:
	@tools/setup

build-%: setup
	@cmake --preset $* >/dev/null
	@cmake --build --preset $*

test: setup
	@tools/test-all $(PRESETS)

demo: build-win64
	@tools/demo

clean:
	rm -rf build
