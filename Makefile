# make serve  - build the program and serve a demo pool on http://127.0.0.1:8080/
# make test   - build and run every test, then again under the sanitizers
# make bench  - build and run the benchmarks in bench/ and the load run under lighttpd
# make stress - build with the sanitizers and run the bounded stress runs in stress/
# make clean  - remove every build folder (the demo pool with it)
# make install POOL=/srv/pool PROGRAM=zrp.cgi SERVER=apache|lighttpd|nginx [OWNER=www-data]
#             - install the program (and, into a new pool, the demo season) and print the next step
# make e2e    - as root: install lighttpd, Apache, nginx with fcgiwrap and Chromium, install a pool
#               under each as the README says, and play a whole season in the browser on each,
#               the players on phones; then again on Apache and nginx in Debian's default site

SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c

JOBS  ?= 2
PORT  ?= 8080
DEMO  := $(CURDIR)/build/demo
DEMO_POOL := $(DEMO)/pool
POOL     ?= /srv/pool
PROGRAM  ?= zrp.cgi
SERVER   ?=
OWNER    ?= www-data
NEED  := $(CURDIR)/tools/ensure-packages
BUILD_TOOLS := g++ cmake make

.PHONY: serve test bench stress clean install e2e

serve:
	$(NEED) $(BUILD_TOOLS) lighttpd
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j$(JOBS) --target zrp
	mkdir -p $(DEMO_POOL)
# A fresh copy replaces the program even while a request runs it.
	cp build/zrp $(DEMO_POOL)/zrp.cgi.new && chmod 755 $(DEMO_POOL)/zrp.cgi.new && mv -f $(DEMO_POOL)/zrp.cgi.new $(DEMO_POOL)/zrp.cgi
# The season is copied only into a new pool: a running pool keeps its own.
	[ -e $(DEMO_POOL)/zrp.cfg ] || cp demo/zrp.cfg $(DEMO_POOL)/zrp.cfg
	sed -e 's|@PORT@|$(PORT)|g' -e 's|@POOL@|$(DEMO_POOL)|g' -e 's|@DEMO@|$(DEMO)|g' \
	    -e 's|@REPO@|$(CURDIR)|g' \
	    demo/lighttpd.conf.in > $(DEMO)/lighttpd.conf
	lighttpd -tt -f $(DEMO)/lighttpd.conf
	@echo
	@echo "The demo pool is at http://127.0.0.1:$(PORT)/  (Ctrl-C stops the server)"
	@if ls $(DEMO_POOL)/*form_user.dat >/dev/null 2>&1; then \
	    echo "Log in with a player's e-mail address and password."; \
	else \
	    echo "The first person to log in becomes its administrator."; \
	fi
	@echo
	lighttpd -D -f $(DEMO)/lighttpd.conf

test:
	$(NEED) $(BUILD_TOOLS) libgtest-dev
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZRP_TESTS=ON
	cmake --build build -j$(JOBS)
	cd build && ctest -j$(JOBS) --output-on-failure --no-tests=error --timeout 300
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRP_TESTS=ON -DZRP_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ctest -j$(JOBS) --output-on-failure --no-tests=error --timeout 300

bench:
	$(NEED) $(BUILD_TOOLS) lighttpd wrk
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZRP_TESTS=OFF -DZRP_BENCH=ON
	cmake --build build-bench -j$(JOBS)
	@for source in bench/*_bench.cpp; do \
	    name=$$(basename "$$source" .cpp); \
	    echo "== $$name"; \
	    ./build-bench/$$name; \
	done
	@echo "== load run"
	ZRP_BUILD=$(CURDIR)/build-bench bash bench/load_run.sh

stress:
	$(NEED) $(BUILD_TOOLS) libgtest-dev strace
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRP_TESTS=ON -DZRP_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	@for script in stress/*.sh; do \
	    [ -e "$$script" ] || continue; \
	    echo "== $$script"; \
	    ZRP_BUILD=$(CURDIR)/build-sanitize bash "$$script"; \
	done

clean:
	rm -rf build build-sanitize build-bench build-fuzz

install:
	$(NEED) $(BUILD_TOOLS)
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j$(JOBS) --target zrp
	tools/install-pool "$(POOL)" "$(PROGRAM)" "$(SERVER)" "$(OWNER)"

e2e:
	$(NEED) $(BUILD_TOOLS)
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j$(JOBS) --target zrp
	e2e/run
