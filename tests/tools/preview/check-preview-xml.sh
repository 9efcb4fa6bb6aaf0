#!/bin/sh
# Writes the sample preview into a fresh temporary folder and checks that
# xmllint accepts it as well-formed XML.
set -eu
sample="$1"
xmllint="$2"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$sample" "$folder/sample.svg"
"$xmllint" --noout "$folder/sample.svg"
test -s "$folder/sample.svg"
