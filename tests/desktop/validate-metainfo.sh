#!/usr/bin/env bash
# The AppStream metadata, validated offline (its screenshots' addresses are not fetched).
# Usage: validate-metainfo.sh FILE.metainfo.xml
set -euo pipefail
. "$(dirname "$0")/require.sh"
require appstreamcli

appstreamcli validate --no-net --pedantic "$1"
