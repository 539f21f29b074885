#!/usr/bin/env bash
# Builds Predivo and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
configure "$root/build"
cmake --build "$root/build" --target predivo >&2
exec "$root/build/predivo"
