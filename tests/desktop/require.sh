# Sourced by the tests here. require TOOL: skips the test (status 77) when TOOL is not
# installed, except in CI, where tools/install-deps installs every one and a skip would hide
# a test that never ran.
require() {
    command -v "$1" >/dev/null && return
    if [ "${CI:-}" = "true" ]; then
        echo "FAIL: $1 is not installed" >&2
        exit 1
    fi
    echo "SKIP: $1 is not installed" >&2
    exit 77
}
