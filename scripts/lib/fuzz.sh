# Shared by scripts/fuzz-*: configures build-fuzz/ once (clang, libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer, the options of every build),
# builds one fuzz target of tools/fuzz and runs it over its corpus.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out="$root/build-fuzz"

# fuzz_seed NAME FILE...: copies the files (relative to the checkout) into the corpus.
fuzz_seed()
{
    local name=$1
    shift
    mkdir -p "$out/corpus-$name"
    local file
    for file in "$@"; do
        cp -n "$root/$file" "$out/corpus-$name/"
    done
}

# fuzz_build NAME: builds build-fuzz/bin/fuzz-NAME.
fuzz_build()
{
    local name=$1
    if [ ! -f "$out/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
            -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DFENDREL_FUZZ=ON \
            -DFENDREL_SANITIZE=ON -DFENDREL_WERROR=ON -DBUILD_TESTING=OFF \
            -DFENDREL_BENCHMARKS=OFF >/dev/null
    fi
    mkdir -p "$out/corpus-$name"
    cmake --build "$out" --target "fuzz-$name" >/dev/null
}

# fuzz_run NAME ARGUMENT...: runs the target over its corpus; the arguments go to libFuzzer.
fuzz_run()
{
    local name=$1
    shift
    cd "$out"
    exec "./bin/fuzz-$name" "$@" "corpus-$name"
}
