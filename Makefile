# Quillmark: the two everyday commands are `make run` and `make test`.
JOBS ?= $(shell nproc)
RELEASE_DIR := build
TEST_DIR := build-asan

.PHONY: deps build run test bench clean

deps:
	./scripts/install-deps

$(RELEASE_DIR)/CMakeCache.txt:
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release

# The program and its preview module only; the test programs are built by `make test`.
build: deps $(RELEASE_DIR)/CMakeCache.txt
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target quillmark quillmark_webpreview

run: build
	./$(RELEASE_DIR)/src/quillmark

$(TEST_DIR)/CMakeCache.txt:
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON

test: deps $(TEST_DIR)/CMakeCache.txt
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target benchmarks
	@for b in $(RELEASE_DIR)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; "$$b"; done
	./bench/whole_program.sh $(RELEASE_DIR)/src/quillmark

clean:
	rm -rf $(RELEASE_DIR) $(TEST_DIR)
