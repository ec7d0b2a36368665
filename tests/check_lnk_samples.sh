#!/bin/sh
# Reads the shortcuts that shortcut_test saved with lnkinfo, a parser of the
# shell-link format that owes nothing to the Windows shell, and checks what
# they say: check_lnk_samples.sh SAMPLE_FOLDER
set -u
samples="${1:?usage: check_lnk_samples.sh SAMPLE_FOLDER}"
failures=0

# field FILE NAME: the value of lnkinfo's "NAME : value" line, if any.
field() {
  lnkinfo "$1" | sed -n "s/^	$2	*: //p"
}

# expect FILE NAME VALUE
expect() {
  actual=$(field "$1" "$2")
  if [ "$actual" != "$3" ]; then
    echo "FAIL $1: $2 is [$actual], expected [$3]"
    failures=$((failures + 1))
  fi
}

# has FILE yes|no TEXT: whether lnkinfo's list of contents names TEXT.
has() {
  if lnkinfo "$1" | grep -qF "Contains $3"; then found=yes; else found=no; fi
  if [ "$found" != "$2" ]; then
    echo "FAIL $1: \"Contains $3\" should be $2"
    failures=$((failures + 1))
  fi
}

plain="$samples/plain.lnk"
full="$samples/full.lnk"
for f in "$plain" "$full"; do
  lnkinfo "$f" >/dev/null 2>&1 || { echo "FAIL lnkinfo cannot read $f"; exit 1; }
done

expect "$plain" "Local path" 'C:\windows\notepad.exe'
has "$plain" yes "a description string"
expect "$plain" "Description" ""
has "$plain" no "a command line arguments string"
has "$plain" no "an icon location string"

expect "$full" "Local path" 'C:\windows\notepad.exe'
expect "$full" "Description" "Expression calculator"
expect "$full" "Command line arguments" '/mode "long form"'
expect "$full" "Icon location" 'C:\windows\system32\shell32.dll'
expect "$full" "Icon index" "3"

[ "$failures" -eq 0 ] && echo "lnkinfo agrees with both samples"
exit "$failures"
