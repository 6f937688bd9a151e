# Shared by scripts/fuzz-*: builds one libFuzzer target with clang (ASan, UBSan)
# into build-fuzz/ and runs it over its corpus. Sources are compiled one by one,
# through ccache when present, with the one include root src/.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out="$root/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(ccache)
cxxflags=(-std=c++20 -O1 -g -fPIC -fno-omit-frame-pointer
  -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
  -Wall -Wextra -Werror -DQT_NO_CAST_FROM_ASCII -I"$root/src")

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

# fuzz_build NAME qt|noqt SOURCE...: compiles the sources and links build-fuzz/fuzz-NAME.
fuzz_build()
{
    local name=$1 qt=$2
    shift 2
    local qtflags=() qtlibs=()
    if [ "$qt" = qt ]; then
        read -ra qtflags <<<"$(pkg-config --cflags Qt6Core)"
        read -ra qtlibs <<<"$(pkg-config --libs Qt6Core)"
    fi
    mkdir -p "$out/corpus-$name"
    local objects=() source object
    for source in "$@"; do
        object="$out/obj/${source%.cpp}.o"
        mkdir -p "$(dirname "$object")"
        "${launcher[@]}" clang++ "${cxxflags[@]}" "${qtflags[@]}" -c "$root/$source" -o "$object"
        objects+=("$object")
    done
    clang++ -fsanitize=fuzzer,address,undefined "${objects[@]}" "${qtlibs[@]}" -o "$out/fuzz-$name"
}

# fuzz_run NAME ARGUMENT...: runs the target over its corpus; the arguments go to libFuzzer.
fuzz_run()
{
    local name=$1
    shift
    cd "$out"
    exec "./fuzz-$name" "$@" "corpus-$name"
}
