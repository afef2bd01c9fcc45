# make serve  - build the program and serve a demo pool on http://127.0.0.1:8080/
# make test   - build and run every test, then again under the sanitizers
# make bench  - build and run the benchmarks in bench/ and the load run under lighttpd
# make stress - build with the sanitizers and run the bounded stress runs in stress/
# make clean  - remove every build folder (the demo pool with it)

SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c

JOBS  ?= 2
PORT  ?= 8080
DEMO  := $(CURDIR)/build/demo
POOL  := $(DEMO)/pool
NEED  := $(CURDIR)/tools/ensure-packages
BUILD_TOOLS := g++ cmake make

.PHONY: serve test bench stress clean

serve:
	$(NEED) $(BUILD_TOOLS) lighttpd
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j$(JOBS) --target zrp
	mkdir -p $(POOL)
# A fresh copy replaces the program even while a request runs it.
	cp build/zrp $(POOL)/zrp.cgi.new && chmod 755 $(POOL)/zrp.cgi.new && mv -f $(POOL)/zrp.cgi.new $(POOL)/zrp.cgi
# The season is copied only into a new pool: a running pool keeps its own.
	[ -e $(POOL)/zrp.cfg ] || cp demo/zrp.cfg $(POOL)/zrp.cfg
	sed -e 's|@PORT@|$(PORT)|g' -e 's|@POOL@|$(POOL)|g' -e 's|@DEMO@|$(DEMO)|g' \
	    demo/lighttpd.conf.in > $(DEMO)/lighttpd.conf
	lighttpd -tt -f $(DEMO)/lighttpd.conf
	@echo
	@echo "The demo pool is at http://127.0.0.1:$(PORT)/  (Ctrl-C stops the server)"
	@echo "The first person to log in becomes its administrator."
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
