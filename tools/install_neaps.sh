#!/bin/sh
# Installs the pinned tide database and predictor packages into a build folder (not committed).
# Usage: tools/install_neaps.sh [DIR]   (default build/neaps); prints DIR/node_modules.
set -e
dir=${1:-$(dirname "$0")/../build/neaps}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
if [ ! -f "$dir/node_modules/@neaps/tide-database/package.json" ] ||
   [ ! -f "$dir/node_modules/@neaps/tide-predictor/package.json" ]; then
  [ -f "$dir/package.json" ] || echo '{"private":true}' > "$dir/package.json"
  npm install --prefix "$dir" --no-audit --no-fund --silent \
    @neaps/tide-database@0.10.20260924 @neaps/tide-predictor@0.11.0 >&2
fi
echo "$dir/node_modules"
