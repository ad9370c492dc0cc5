#!/usr/bin/env bash
# Brings a Debian machine to the point where Mirvalen builds and runs:
# packages, the Japanese locale, the build, and the Wine prefix in build/.
# Idempotent: a second run only rebuilds what changed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup-steps"

install_packages "${PACKAGES[@]}"
ensure_locale
build
prepare_prefix
