# make run  : installs what is missing, builds, prepares the installation and starts prontanota
# make test : installs what is missing, builds and runs every test
# make deb  : builds the Debian package into $(BUILD)/pacote (see docs/pacote.md)
BUILD   ?= build
JOBS    ?= $(shell nproc)
PRONTANOTA_BASE ?= $(HOME)/Brelo
export PRONTANOTA_BASE

PACOTES = cmake g++ make qt6-base-dev libgl-dev firebird-dev libfbclient2 \
          firebird3.0-server-core firebird3.0-utils firebird3.0-server ccache \
          poppler-utils xvfb xauth xdotool x11-utils fonts-dejavu-core desktop-file-utils

.PHONY: all deps configure build run test bench clean screenshots deb

all: build

deps:
	@./tools/instala-pacotes.sh $(PACOTES)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cmake --install $(BUILD) --prefix "$(PRONTANOTA_BASE)/Prontanota" >/dev/null
	"$(PRONTANOTA_BASE)/Prontanota/prontanota-setup" --instalacao "$(PRONTANOTA_BASE)/Prontanota" --menu
	cd "$(PRONTANOTA_BASE)/Prontanota" && ./prontanota

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure --timeout 600

screenshots: build
	cmake --build $(BUILD) --target capturas -j $(JOBS)
	xvfb-run -a -s "-screen 0 1366x768x24" $(BUILD)/tools/capturas/capturas docs/screenshots

deb: build
	./pacote/constroi-deb.sh $(BUILD) $(BUILD)/pacote

bench: build
	cmake --build $(BUILD) --target bench -j $(JOBS)

clean:
	rm -rf $(BUILD)
