# Orvan top-level build. `make` leaves a working installation in the repo root:
# ./orvan, esprima.js, babel.min.js, src/ (runtime), vendor/quickjs and
# tools/jsc-npm-bundle/node_modules.

BUILD_DIR  ?= build
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
QJS_SRC    := deps/node_modules/qjsc/deps/quickjs_2021_03_27
QJS_OUT    := vendor/quickjs
QJS_OBJS   := quickjs.o dtoa.o libregexp.o libunicode.o cutils.o quickjs-libc.o
QJS_CFLAGS := -O2 -fPIC -fno-semantic-interposition -D_GNU_SOURCE -DCONFIG_VERSION=\"2021-03-27\" -DCONFIG_BIGNUM \
              -Wno-array-bounds -Wno-format-truncation -Wno-stringop-overflow
APT_PKGS   := nlohmann-json3-dev libuv1-dev libssl-dev pkg-config libgtk-3-dev \
              libwebkit2gtk-4.1-dev xvfb xauth imagemagick fonts-dejavu-core curl wrk g++ cmake \
              libgtest-dev

.PHONY: all deps apt-deps npm-deps tools-deps quickjs build test demo bench bench-http clean

all: build

deps: apt-deps npm-deps quickjs

apt-deps:
	@bash scripts/apt-deps.sh $(APT_PKGS)

npm-deps: esprima.js babel.min.js

deps/node_modules/.package-lock.json: deps/package.json deps/package-lock.json
	cd deps && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error
	@touch $@

esprima.js: tools/esprima-extras/patch_esprima.js deps/node_modules/.package-lock.json
	node tools/esprima-extras/patch_esprima.js deps/node_modules/esprima/dist/esprima.js $@

babel.min.js: tools/babel-extras/patch_babel.sh tools/babel-extras/type_checks.js tools/babel-extras/function_length.js deps/node_modules/.package-lock.json
	bash tools/babel-extras/patch_babel.sh deps/node_modules/@babel/standalone/babel.min.js $@.patched
	cat $@.patched tools/babel-extras/function_length.js >$@.tmp
	rm -f $@.patched
	mv -f $@.tmp $@

tools-deps: tools/jsc-npm-bundle/node_modules/esbuild/package.json

tools/jsc-npm-bundle/node_modules/esbuild/package.json: tools/jsc-npm-bundle/package.json tools/jsc-npm-bundle/package-lock.json
	cd tools/jsc-npm-bundle && npm ci --no-audit --no-fund --loglevel=error
	@touch $@

# The engine: headers beside the objects the compiler links into programs.
quickjs: $(addprefix $(QJS_OUT)/obj/,$(QJS_OBJS)) $(QJS_OUT)/quickjs.h

$(QJS_OUT)/quickjs.h: deps/node_modules/.package-lock.json
	mkdir -p $(QJS_OUT)
	cp $(QJS_SRC)/*.h $(QJS_OUT)/

$(QJS_OUT)/obj/dtoa.o: deps/node_modules/.package-lock.json
	@mkdir -p $(QJS_OUT)/obj
	gcc $(QJS_CFLAGS) -c $(QJS_SRC)/libbf.c -o $@

$(QJS_OUT)/patched/quickjs.c: tools/quickjs-extras/patch_engine.sh deps/node_modules/.package-lock.json
	@mkdir -p $(QJS_OUT)/patched
	bash tools/quickjs-extras/patch_engine.sh $(QJS_SRC)/quickjs.c $@

# The interpreter is compiled twice: once counting its branches and calls, run
# by train_engine over a sample program (the front end's parser and Babel, its
# heaviest work), then for good with those counts. Code the run never reached
# keeps the ordinary optimisation (-fprofile-partial-training), since programs
# that embed the engine use much of it. Both compiles write the same object
# path, by which the counts are found.
QJS_TRAIN := $(QJS_OUT)/train
QJS_COUNTS = -fprofile-$(1)=$(abspath $(QJS_TRAIN))/counts
QJS_ENGINE_CC = gcc $(QJS_CFLAGS) -I$(QJS_OUT)/patched -I$(QJS_SRC) -c tools/quickjs-extras/quickjs_with_extras.c \
                -o $(QJS_TRAIN)/quickjs.o

$(QJS_OUT)/obj/quickjs.o: tools/quickjs-extras/quickjs_with_extras.c $(QJS_OUT)/patched/quickjs.c \
                          tools/quickjs-extras/train_engine.c tools/quickjs-extras/training_sample.js \
                          esprima.js babel.min.js $(addprefix $(QJS_OUT)/obj/,dtoa.o libregexp.o libunicode.o cutils.o)
	@rm -rf $(QJS_TRAIN) && mkdir -p $(QJS_TRAIN) $(QJS_OUT)/obj
	$(QJS_ENGINE_CC) $(call QJS_COUNTS,generate)
	gcc -O2 -I$(QJS_SRC) tools/quickjs-extras/train_engine.c $(QJS_TRAIN)/quickjs.o \
	    $(addprefix $(QJS_OUT)/obj/,dtoa.o libregexp.o libunicode.o cutils.o) -fprofile-generate -lm -ldl -lpthread \
	    -o $(QJS_TRAIN)/train_engine
	$(QJS_TRAIN)/train_engine esprima.js babel.min.js tools/quickjs-extras/training_sample.js
	$(QJS_ENGINE_CC) $(call QJS_COUNTS,use) -fprofile-partial-training -Wno-missing-profile
	mv -f $(QJS_TRAIN)/quickjs.o $@
	rm -rf $(QJS_TRAIN)

$(QJS_OUT)/obj/%.o: deps/node_modules/.package-lock.json
	@mkdir -p $(QJS_OUT)/obj
	gcc $(QJS_CFLAGS) -c $(QJS_SRC)/$*.c -o $@

build: deps tools-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cp $(BUILD_DIR)/orvan ./orvan

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

demo: build
	@bash scripts/demo.sh

bench: build
	@bash bench/run.sh

bench-http: build
	@bash bench/http_load.sh

clean:
	rm -rf $(BUILD_DIR) orvan
