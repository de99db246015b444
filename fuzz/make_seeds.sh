#!/usr/bin/env bash
# Writes the seed corpora of the three fuzz targets into fuzz/corpus/.
# Seeds are small and readable; libFuzzer grows its own corpus from them.
set -euo pipefail
corpus="$(cd "$(dirname "$0")" && pwd)/corpus"
rm -rf "$corpus/convert" "$corpus/format" "$corpus/request"
mkdir -p "$corpus/convert" "$corpus/format" "$corpus/request"

# seed DIR NAME CONTENT: CONTENT with printf's %b escapes (\t, \n, \xHH).
seed() {
  printf '%b' "$3" >"$corpus/$1/$2"
}

# fuzz_convert: the separator byte ('.' or ','), then the text.
convert=(
  # accepted
  '.0.004' '. 0.004 ' '.\t0.004\r\n' '.+0.9' '.-0.001' '.1.67E-8' '.1.67e-8' '.5.' '..5' '..'
  '.-.' '.1E' '.1E+' '.1e-' '.2E+3' '.1E499' '.1E500' '.1E-0499' '.1E4932' '.0E600'
  '.12345678901234567890123' '.0.1' '.1E-4940' '.1E-4999' '.0E4999' '.\x00\x1f 7 \x00'
  # rejected
  '.' '.   ' '.+' '.-' '.E5' '..E5x' '.abc' '.0.004 m' '.1 000' '.1,5' '.1.2.3' '.1..' '.1E5.0'
  '.1E+-5' '.--1' '.+-1' '.0x10' '.inf' '.nan' '.1E-5000' '.1E5000' '.2E4932' '.1e4933'
  '.1\x012' '.1E5000000' '.1E0005000'
  # comma separator
  ',0,004' ',,' ',-,' ',0.004' ',1,5E-3' ',1,2,3'
)
for i in "${!convert[@]}"; do
  seed convert "$(printf 'seed%02d' "$i")" "${convert[$i]}"
done

# fuzz_format: a flags byte (bit 0 comma, bits 1-2 the caller's rounding
# mode), then the 10-byte x87 encoding of the value.
seed format 1909.86 '\x00\x85\xeb\x51\xb8\x1e\x85\xbb\xee\x09\x40'
seed format 382.736 '\x00\x68\x91\xed\x7c\x3f\x35\x5e\xbf\x07\x40'
seed format 382.736-comma '\x01\x68\x91\xed\x7c\x3f\x35\x5e\xbf\x07\x40'
seed format 12345-tie '\x00\x00\x00\x00\x00\x00\x00\xe4\xc0\x0c\x40'
seed format 12345-tie-upward '\x02\x00\x00\x00\x00\x00\x00\xe4\xc0\x0c\x40'
seed format 12345-tie-downward '\x04\x00\x00\x00\x00\x00\x00\xe4\xc0\x0c\x40'
seed format 12345-tie-towardzero '\x06\x00\x00\x00\x00\x00\x00\xe4\xc0\x0c\x40'
seed format 99995-tie '\x00\x00\x00\x00\x00\x00\x80\x4d\xc3\x0f\x40'
seed format 9999.5-tie '\x00\x00\x00\x00\x00\x00\x00\x3e\x9c\x0c\x40'
seed format 100000 '\x00\x00\x00\x00\x00\x00\x00\x50\xc3\x0f\x40'
seed format 9999.6 '\x00\x66\x66\x66\x66\x66\x66\x3e\x9c\x0c\x40'
seed format 0.25 '\x00\x00\x00\x00\x00\x00\x00\x00\x80\xfd\x3f'
seed format 0.0001234 '\x00\xb6\xea\x84\xe1\x6d\xef\x64\x81\xf2\x3f'
seed format 0.00009999 '\x00\x1d\x42\x8d\x29\xf5\xb8\xb1\xd1\xf1\x3f'
seed format 0.0001 '\x00\x2c\x65\x19\xe2\x58\x17\xb7\xd1\xf1\x3f'
seed format 0.00099995 '\x00\x47\x14\xa4\x63\x18\xc1\x10\x83\xf5\x3f'
seed format 0.1 '\x00\xcd\xcc\xcc\xcc\xcc\xcc\xcc\xcc\xfb\x3f'
seed format minus-0.5 '\x00\x00\x00\x00\x00\x00\x00\x00\x80\xfe\xbf'
seed format 123.45 '\x00\x66\x66\x66\x66\x66\x66\xe6\xf6\x05\x40'
seed format 1.00005 '\x00\x33\xc4\xb1\x2e\x6e\xa3\x01\x80\xff\x3f'
seed format one-third '\x00\xab\xaa\xaa\xaa\xaa\xaa\xaa\xaa\xfd\x3f'
seed format 1.2345e-300 '\x00\xd3\x51\xe4\xfa\x17\xf6\xa4\xd3\x1a\x3c'
seed format minus-1.5e300 '\x00\xe2\xa5\xc1\x02\x30\x6b\x59\x8f\xe4\xc3'
seed format smallest-normal '\x00\x00\x00\x00\x00\x00\x00\x00\x80\x01\x00'
seed format largest '\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\x7f'
seed format smallest-subnormal '\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
seed format zero '\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
seed format minus-zero '\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x80'

# fuzz_request: the thirteen fields as lines, in the order
# D1 D2 h Br R1 R2 H s D Roe Lambda Deltaz v; a missing field is its default.
defaults=(0.004 0.009 0.003 0.9 0.005 0.01 0.005 0.001 0.0001 1.67E-8 0.6 0 0)
field_index() {
  local names=(D1 D2 h Br R1 R2 H s D Roe Lambda Deltaz v) i
  for i in "${!names[@]}"; do
    [[ ${names[$i]} == "$1" ]] && echo "$i" && return
  done
  echo "unknown field $1" >&2
  exit 1
}
# request NAME [FIELD=TEXT]...: the defaults with the given fields changed.
request() {
  local name=$1 fields=("${defaults[@]}") change
  shift
  for change in "$@"; do
    fields[$(field_index "${change%%=*}")]=${change#*=}
  done
  printf '%s\n' "${fields[@]}" >"$corpus/request/$name"
}
request defaults
request moving v=1
request check01-R1 R1=0 D1=-1
request check02-D1 D1=-1
request check03-D2 D2=0.004
request check04-h h=0
request check05-Br Br=0
request check06-R2 R2=0.005
request check07-D-below-R2-R1 D=0.005
request check08-D-below-H D=0.0001 H=0.0001
request check09-s s=0
request check10-Lambda-positive Lambda=0
request check11-Lambda-below-1 Lambda=1
request check12-magnet-clears R1=0.004
request check12-passes-in-gap R1=0.004 s=0.004 Deltaz=0.0004
request check13-Roe Roe=0
request error-D-zero D=0
request error-D-underflow D=1E-1300
request error-R2-huge R2=1E3000
request error-Deltaz-overflow R1=0.004 Deltaz=1E4932
request negative-H H=-0.005
request negative-D D=-0.0001
request conversion-abc D2=abc
request conversion-empty D2=
request conversion-comma D1=0,004
request blanks-around "D1= 0.004	"
printf '' >"$corpus/request/all-defaults-empty"
printf '0.004\n0.009\n' >"$corpus/request/first-two-only"
