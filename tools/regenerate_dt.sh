#!/bin/sh
# Regenerates data/dt from its sources, byte for byte: the JMA ports fitted to JMA's tide
# tables by marevo-fit, the TICON-4 gauges of the port list converted by ticon_to_mv2.mjs.
# Port files that data/ports.tsv no longer names are removed (listed with --check).
# Usage: tools/regenerate_dt.sh FIT [--check]
#   FIT      the built fitting tool (build/native/tools/fit/marevo-fit)
#   --check  write nothing; compare every file and list missing and extra ones (status 1)
# The pinned npm packages are installed once into build/neaps (NEAPS_DIR); without them the
# TICON files are not checked and the status is 77 (skipped) unless the fit found a fault.
set -u
here=$(cd "$(dirname "$0")" && pwd)
fit=${1:?usage: tools/regenerate_dt.sh FIT [--check]}
shift
status=0
"$fit" --data "$(cd "$here/../data" && pwd)" "$@" || status=1
if modules=$("$here/install_neaps.sh" "${NEAPS_DIR:-$here/../build/neaps}"); then
  node "$here/ticon_to_mv2.mjs" --modules "$modules" "$@" || status=1
elif [ $status -eq 0 ]; then
  echo "TICON packages not installed: TICON port files not regenerated" >&2
  status=77
fi
exit $status
