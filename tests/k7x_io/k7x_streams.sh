#!/bin/sh
# k7x reads pipes, FIFOs and standard input, writes straight into FIFOs,
# devices and standard output, and rewrites hard-linked files in place.
# Usage: k7x_streams.sh PATH/TO/k7x
set -eu
k7x=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A project of three items and a 64 KiB image with five bytes more.
mkdir -p P/Graphic P/Const P/Other
printf '\002\001\377\201' > P/Graphic/logo.bin
printf '3' > P/Const/port.con
head -c 1000 /dev/zero | tr '\000' Z > P/Other/blob.bin
printf 'Logo\tGraphic\\logo.bin\tStart-up logo\tG\t8,8,1,1\r\nPort\tConst\\port.con\tSerial port\tC\t1,4\r\nBlob\tOther\\blob.bin\tCarried along\tT\r\n' > P/Resource.k7r
head -c 65541 /dev/zero | tr '\000' '\021' > fw.bin

"$k7x" build P/Resource.k7r fw.bin ref.k7x
test "$(wc -c < ref.k7x)" -eq 66591 || fail "reference size $(wc -c < ref.k7x)"

# The original from standard input, a pipe and a FIFO; the output to standard
# output, a file redirect and a pipe.
"$k7x" build P/Resource.k7r - - < fw.bin > redirected.k7x
cmp ref.k7x redirected.k7x || fail "build - - with redirects"
cat fw.bin | "$k7x" build P/Resource.k7r - - | cat > piped.k7x
cmp ref.k7x piped.k7x || fail "build - - through pipes"
cat fw.bin | "$k7x" build P/Resource.k7r /dev/stdin /dev/stdout | cat > devstd.k7x
cmp ref.k7x devstd.k7x || fail "build /dev/stdin /dev/stdout"
mkfifo original.fifo
cat fw.bin > original.fifo &
"$k7x" build P/Resource.k7r original.fifo fromfifo.k7x
wait
cmp ref.k7x fromfifo.k7x || fail "original from a FIFO"

# A FIFO as output: its reader gets exactly the file, and it stays a FIFO.
mkfifo out.fifo
cat out.fifo > fifo.k7x &
"$k7x" build P/Resource.k7r fw.bin out.fifo
wait
cmp ref.k7x fifo.k7x || fail "output into a FIFO"
test -p out.fifo || fail "the output FIFO was replaced"

# A device as output stays a device (a copy of /dev/null, where mknod is allowed).
if mknod null c 1 3 2>/dev/null; then
    "$k7x" build P/Resource.k7r fw.bin null
    test -c null || fail "the output device was replaced"
else
    echo "SKIPPED: mknod is not allowed here; device output untested"
fi

# A file with a second name: both names see the new bytes.
cp ref.k7x fw.k7x
ln fw.k7x tftp_fw.k7x
head -c 65536 /dev/zero | tr '\000' '\042' > fw2.bin
"$k7x" build P/Resource.k7r fw2.bin fw.k7x
cmp fw.k7x tftp_fw.k7x || fail "the second name kept the old bytes"
cmp -s fw.k7x ref.k7x && fail "the hard-linked output was not rebuilt"

# verify and list from a pipe, /dev/stdin and a FIFO say what they say of the file.
expected=$("$k7x" verify ref.k7x | sed 's/^ref.k7x//')
got=$(cat ref.k7x | "$k7x" verify - | sed 's/^-//')
test "$got" = "$expected" || fail "verify -: $got"
got=$(cat ref.k7x | "$k7x" verify /dev/stdin | sed 's|^/dev/stdin||')
test "$got" = "$expected" || fail "verify /dev/stdin: $got"
mkfifo verify.fifo
cat ref.k7x > verify.fifo &
got=$("$k7x" verify verify.fifo | sed 's/^verify.fifo//')
wait
test "$got" = "$expected" || fail "verify FIFO: $got"
test "$(cat ref.k7x | "$k7x" list - P/Resource.k7r)" = "$("$k7x" list ref.k7x P/Resource.k7r)" ||
    fail "list - differs"
if head -c 100 ref.k7x | "$k7x" verify - > short.out; then fail "a cut file verified"; fi
grep -q "the file ends after 100 bytes" short.out || fail "cut file: $(cat short.out)"

# Standard input that fails to be read (a folder) is refused, not taken as empty.
if "$k7x" verify - < P > dir.out 2> dir.err; then fail "a folder on standard input verified"; fi
test "$(cat dir.err)" = "-: 75: Path/File access error" || fail "folder input: $(cat dir.err)"
if "$k7x" verify P > dir.out 2> dir.err; then fail "a folder verified"; fi
test "$(cat dir.err)" = "P: 75: Path/File access error" || fail "folder by name: $(cat dir.err)"

# diff and unpack read standard input and pipes as well.
cat ref.k7x | "$k7x" diff - ref.k7x || fail "diff - of the same file"
if cat fw.k7x | "$k7x" diff ref.k7x - > diff.out; then fail "diff saw no change"; fi
test "$(cat diff.out)" = "image: 65536 of 65536 bytes differ, the first at 0x00000" ||
    fail "diff through a pipe: $(cat diff.out)"
"$k7x" unpack - P/Resource.k7r unpacked < ref.k7x || fail "unpack -"
"$k7x" build unpacked/Resource.k7r unpacked/original.bin again.k7x
cmp ref.k7x again.k7x || fail "unpack then build"

# extract to standard output: the item's bytes and nothing else.
cat ref.k7x | "$k7x" extract - 2 - > blob.out
cmp P/Other/blob.bin blob.out || fail "extract - 2 -"
"$k7x" extract ref.k7x 2 /dev/stdout | cat > blob2.out
cmp P/Other/blob.bin blob2.out || fail "extract to /dev/stdout"
"$k7x" extract ref.k7x 0 - > logo.out
cmp P/Graphic/logo.bin logo.out || fail "extract 0 -"
# Standard output is written where it stands: appended to, never replaced.
printf 'head' > appended.out
"$k7x" extract ref.k7x 0 - >> appended.out
printf 'head' | cat - P/Graphic/logo.bin | cmp - appended.out || fail "extract 0 - >>"

# A refused build writes nothing to standard output; the message goes to standard error.
if "$k7x" build P/Resource.k7r missing.bin - > refused.out 2> refused.err; then
    fail "a build without an original succeeded"
fi
test ! -s refused.out || fail "a refused build wrote to standard output"
grep -q "Invalid Original File ('missing.bin')" refused.err || fail "refused: $(cat refused.err)"
# A short original from a pipe is as invalid as a short file.
if head -c 65535 fw.bin | "$k7x" build P/Resource.k7r - out.k7x 2> short.err; then
    fail "a short original from a pipe was taken"
fi
grep -q "Invalid Original File ('/dev/stdin')" short.err || fail "short: $(cat short.err)"
test ! -e out.k7x || fail "a refused build left an output"
# Items that are FIFOs or devices: read to their end; endless or writerless ones refused.
mkdir -p Q/Misc
mkfifo Q/Misc/fifo
ln -s /dev/null Q/Misc/null
ln -s /dev/zero Q/Misc/zero
printf 'F\tMisc\\fifo\th\tT\r\nN\tMisc\\null\th\tT\r\n' > Q/q.k7r
printf FIFODATA > Q/Misc/fifo &
"$k7x" build Q/q.k7r fw.bin q.k7x
wait
test "$("$k7x" extract q.k7x 0 -)" = FIFODATA || fail "FIFO item"
test "$("$k7x" extract q.k7x 1 - | wc -c)" -eq 0 || fail "/dev/null item"
if "$k7x" build Q/q.k7r fw.bin none.k7x 2> nowriter.err; then fail "a FIFO without writer built"; fi
grep -q "Misc/fifo) OR Temporary File error (data.tmp):  68: Device unavailable" nowriter.err ||
    fail "no writer: $(cat nowriter.err)"
printf 'Z\tMisc\\zero\th\tT\r\n' > Q/z.k7r
if "$k7x" build Q/z.k7r fw.bin none.k7x 2> zero.err; then fail "/dev/zero built"; fi
grep -q "Resource Item file '...Misc/zero' is too big (>64K bytes)" zero.err || fail "zero: $(cat zero.err)"
test ! -e none.k7x || fail "a refused build left an output"

echo "k7x streams: all passed"
