#!/usr/bin/env bash
# One entry for users and CI: installs what is missing, builds, and then runs
# the screen saver, the tests, the benchmark or the installation, or builds
# the Debian package.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc)
release_dir=build
test_dir=build-test

configure_and_build() { # dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" -j "$jobs"
}

command=${1:-run}
shift || true
./tools/install-deps.sh
case "$command" in
run)
    configure_and_build "$release_dir" -DCMAKE_BUILD_TYPE=Release
    exec "$release_dir/src/startup/finwicks" /s "$@"
    ;;
config)
    configure_and_build "$release_dir" -DCMAKE_BUILD_TYPE=Release
    exec "$release_dir/src/startup/finwicks" /c "$@"
    ;;
test)
    configure_and_build "$test_dir" -DCMAKE_BUILD_TYPE=Debug -DFINWICKS_SANITIZE=ON
    cd "$test_dir"
    exec ctest --output-on-failure --timeout 600 "$@"
    ;;
bench)
    configure_and_build "$release_dir" -DCMAKE_BUILD_TYPE=Release
    exec "$release_dir/tools/bench/finwicks-bench" "$@"
    ;;
install)
    configure_and_build "$release_dir" -DCMAKE_BUILD_TYPE=Release
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    exec "${sudo[@]}" cmake --install "$release_dir" "$@"
    ;;
deb)
    exec ./tools/build-deb.sh "$@"
    ;;
*)
    echo "usage: $0 [run|config|test|bench|install|deb]" >&2
    exit 2
    ;;
esac
