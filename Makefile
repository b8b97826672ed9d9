# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
# BUILD selects the build tree; each tree has its own Wine prefix (and so its own registry
# and its own wineserver, which holds the software adapter's machine-wide state).
BUILD ?= build
BUILD_ABS := $(abspath $(BUILD))
export WINEPREFIX := $(BUILD_ABS)/wineprefix
export WINEARCH := win64
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree=;mshtml=;winemenubuilder.exe=
JOBS ?= 2
CTEST_ARGS ?=
# Test programs run this many at a time, each in a Wine prefix and an Xvfb display of its own
# (tools/test-slots); slot 0 is the tree's prefix, the others copies of it.
TEST_SLOTS ?= 2
SLOT_PREFIXES := $(foreach i,$(shell seq 1 $$(($(TEST_SLOTS) - 1)) 2>/dev/null),$(BUILD_ABS)/wineprefix-slot$(i)/.ready)
# The screen resolution of `make shot`: DPI=144 photographs every page at 150% scale.
DPI ?= 96
# CONTRAST=high photographs the pages in a high-contrast black theme.
CONTRAST ?=
# ADAPTER=windows-wifi runs the program over the Windows Wi-Fi library and the Native Wifi
# double (docs/wlan-double.md) instead of the software adapter; `make shot ADAPTER=windows-wifi`
# photographs it in the dual-band scene.
ADAPTER ?= software

.PHONY: all deps configure build prefix test run shot gallery bench dist clean

all: build

deps:
	@tools/install-deps

$(BUILD_ABS)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_ABS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release

configure: $(BUILD_ABS)/CMakeCache.txt

# deps again: a tree configured before a tool was added still gets it.
build: deps configure
	@cmake --build $(BUILD_ABS) -j $(JOBS)

$(WINEPREFIX)/.ready: | deps
	@echo "Creating the Wine prefix in $(WINEPREFIX)"
	@mkdir -p $(WINEPREFIX)
	@tools/with-display wineboot -i >/dev/null 2>&1
	@# Windows not managed by an X window manager: without one (Xvfb) Wine would wait
	@# two seconds for every window that is hidden or destroyed, which makes the dialog
	@# tests about ten times slower. Read back, so that a prefix without it is never taken
	@# for ready.
	@tools/with-display sh -c 'tools/wine-run reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1; \
		tools/wine-run reg query "HKCU\\Software\\Wine\\X11 Driver" /v Managed 2>/dev/null | grep -q "REG_SZ *N"' \
		|| { echo "Could not set Wine's X11 Driver Managed=N in $(WINEPREFIX); remove it and run make again." >&2; exit 1; }
	@touch $@

prefix: $(WINEPREFIX)/.ready

# A copy of a prefix made with Managed=N is one too; copying takes a second where a new
# prefix takes half a minute.
$(BUILD_ABS)/wineprefix-slot%/.ready: $(WINEPREFIX)/.ready
	@echo "Copying the Wine prefix for test slot $*"
	@rm -rf $(BUILD_ABS)/wineprefix-slot$* $(BUILD_ABS)/wineprefix-slot$*.part
	@cp -a $(WINEPREFIX) $(BUILD_ABS)/wineprefix-slot$*.part
	@mv $(BUILD_ABS)/wineprefix-slot$*.part $(BUILD_ABS)/wineprefix-slot$*
	@touch $@

test: build prefix $(SLOT_PREFIXES)
	@tools/test-slots $(BUILD_ABS) $(TEST_SLOTS) ctest --test-dir $(BUILD_ABS) --output-on-failure \
		-j $(TEST_SLOTS) $(CTEST_ARGS)

run: build prefix
	@tools/with-display tools/run-program $(BUILD_ABS) $(ADAPTER)

shot: build prefix
ifeq ($(ADAPTER),windows-wifi)
	@tools/with-display tools/screenshot-windows-wifi $(BUILD_ABS)
else
	@DPI=$(DPI) CONTRAST=$(CONTRAST) tools/with-display tools/screenshot $(BUILD_ABS) $(SHOT_ARGS)
endif

gallery: build prefix
	@tools/with-display tools/gallery-shot $(BUILD_ABS)

bench: build prefix
	@tools/with-display tools/run-benchmarks $(BUILD_ABS)

# The installer and the zip, in $(BUILD)/dist.
dist: build
	@cmake --build $(BUILD_ABS) --target dist
	@ls $(BUILD_ABS)/dist/*-setup.exe $(BUILD_ABS)/dist/*.zip

clean:
	rm -rf $(BUILD_ABS)
