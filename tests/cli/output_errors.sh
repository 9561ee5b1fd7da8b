#!/usr/bin/env bash
# marevo-cli writing where it cannot: a full disk (/dev/full), a closed stdout, a pipe whose
# reader is gone (SIGPIPE ignored, so the write itself fails). Every command and form must end
# with exit status 1; a full disk and a closed stdout say so in one line on stderr, a reader
# gone away says nothing. A run that went on computing its long span after the reader left
# would outlast the test's time limit.
# Usage: output_errors.sh DT CLI [WRAPPED...]   (the CLI command may be an emulator and exe)
set -u
dt=$1; shift
cli=("$@")
port=(--dt "$dt" --port 24尾鷲)
long=(--from 2026-01-01 --days 6000)
# sink | words
cases=(
  "full|extremes ${port[*]} --date 2027-01-01"
  "full|extremes ${port[*]} --date 2027-01-01 --csv"
  "full|extremes ${port[*]} --date 2027-01-01 --json"
  "full|extremes ${port[*]} --from 2027-01-01 --days 3 --ics"
  "full|extremes --dt $dt --all --date 2027-01-01 --csv"
  "full|heights ${port[*]} --date 2027-01-01 --json"
  "full|table ${port[*]} --date 2027-01-01 --csv"
  "full|day ${port[*]} --date 2027-01-01"
  "full|ports --dt $dt"
  "full|--version"
  "full|help extremes"
  "closed|ports --dt $dt --json"
  "closed|extremes ${port[*]} --date 2027-01-01 --ics"
  "closed|heights ${port[*]} --date 2027-01-01"
  "pipe|heights ${port[*]} ${long[*]} --step 1"
  "pipe|heights ${port[*]} ${long[*]} --step 1 --json"
  "pipe|extremes ${port[*]} --from 0001-01-01 --days 36600 --csv"
  "pipe|extremes --dt $dt --all ${long[*]}"
)
failed=0
for c in "${cases[@]}"; do
  sink=${c%%|*}
  read -r -a words <<< "${c#*|}"
  err=$(mktemp)
  case $sink in
    full) "${cli[@]}" "${words[@]}" > /dev/full 2> "$err"; rc=$? ;;
    closed) "${cli[@]}" "${words[@]}" >&- 2> "$err"; rc=$? ;;
    pipe) (trap '' PIPE; "${cli[@]}" "${words[@]}" 2> "$err" | head -c 100 > /dev/null
           exit "${PIPESTATUS[0]}"); rc=$? ;;
  esac
  lines=$(tr -d '\r' < "$err" | grep -c .)
  said=$(tr -d '\r' < "$err")
  rm -f "$err"
  if [ "$rc" != 1 ]; then
    echo "FAIL ($sink) ${words[*]}: exit status $rc, expected 1"; failed=1
  elif [ "$sink" = pipe ] && [ "$lines" != 0 ]; then
    echo "FAIL ($sink) ${words[*]}: a reader gone away needs no message: $said"; failed=1
  elif [ "$sink" != pipe ] && { [ "$lines" != 1 ] || ! grep -q '^marevo-cli: .*書き込めません' <<< "$said"; }; then
    echo "FAIL ($sink) ${words[*]}: stderr is not one line saying the output failed: $said"; failed=1
  fi
done
exit $failed
