# Shared by the scripts: installs what is missing (apt, as root or through sudo) and builds.
set -euo pipefail

RATEPAD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
RATEPAD_BUILD="${RATEPAD_BUILD:-$RATEPAD_ROOT/build}"

# Qt wants a private runtime directory and complains on every start without one (a container, a
# cron job, a login without a session): give it one of ours, owned by us and closed to others.
ratepad_runtime_dir() {
    [ -n "${XDG_RUNTIME_DIR:-}" ] && return 0
    local dir
    dir="${TMPDIR:-/tmp}/ratepad-runtime-$(id -u)"
    mkdir -p -m 0700 "$dir" 2>/dev/null || true
    if [ -d "$dir" ] && [ ! -L "$dir" ] && [ -O "$dir" ]; then
        chmod 0700 "$dir"
    else
        dir="$(mktemp -d -t ratepad-runtime.XXXXXX)"
    fi
    export XDG_RUNTIME_DIR="$dir"
}
ratepad_runtime_dir

RATEPAD_PACKAGES=(
    cmake g++ pkg-config ninja-build python3
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-multimedia-dev
    qt6-httpserver-dev qt6-websockets-dev
    libplist-dev libplist++-dev libicu-dev libfontconfig-dev libpng-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick curl locales fonts-noto-cjk openssl systemd
    desktop-file-utils appstream
)

ratepad_missing_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    echo "${missing[@]:-}"
}

ratepad_install() {
    local missing
    missing=$(ratepad_missing_packages "$@")
    [ -z "$missing" ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "error: these packages are missing and installing them needs root (or sudo, which is absent): $missing" >&2
            exit 1
        fi
    fi
    echo "Installing: $missing" >&2
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# The suite runs a second time under German (a decimal comma), and some tests under Arabic (digits of
# its own); the screenshots can be taken in those and in Japanese. Generate the locales once if they
# are missing.
RATEPAD_LOCALES=(de_DE.UTF-8 ar_EG.UTF-8 ja_JP.UTF-8)

ratepad_locales() {
    local missing=() l
    for l in "${RATEPAD_LOCALES[@]}"; do
        locale -a 2>/dev/null | grep -qix "${l%.UTF-8}.utf-\?8" || missing+=("$l")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    if [ -f /etc/locale.gen ]; then
        for l in "${missing[@]}"; do
            "${sudo[@]}" sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
            grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        done
        "${sudo[@]}" locale-gen >/dev/null || echo "note: could not generate ${missing[*]}" >&2
    fi
}

# A ctest log as the scripts show it: failures and the summary, without a line per passing test or
# ctest's Start lines (indented by eight under -j).
ratepad_ctest_summary() {
    grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' "$1" | grep -v -E '^(Test project| +Start )' || true
}

# ratepad_build [TARGET...]: installs what is missing, configures and builds the named targets, or
# everything when none is named. The tests are a few hundred targets: a script that only runs the
# program names it, so that a first run does not wait for them.
ratepad_build() {
    ratepad_install "${RATEPAD_PACKAGES[@]}"
    ratepad_locales
    cmake -S "$RATEPAD_ROOT" -B "$RATEPAD_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    # Progress goes to standard error, with the scripts' other remarks: standard output is left to
    # what the scripts run (`scripts/run --list > list.txt` holds the list alone).
    cmake --build "$RATEPAD_BUILD" -j "$(nproc)" "${targets[@]}" >&2
}

# ratepad_start_rate_server LOG [ARG...]: starts the built rate server on a port the kernel picks,
# with ARGs and its log in LOG, and waits for its start line. Sets RATEPAD_SERVER_PID (the caller
# stops it), RATEPAD_SERVER_LINE (the start line) and RATEPAD_SERVER_HOST (host:port to ask).
ratepad_start_rate_server() {
    local log="$1"
    shift
    coproc RATE_SERVER { exec "$RATEPAD_BUILD/tools/rateserver/ratepad-rate-server" --port 0 "$@" 2>"$log"; }
    RATEPAD_SERVER_PID=$RATE_SERVER_PID
    if ! read -r -t 20 RATEPAD_SERVER_LINE <&"${RATE_SERVER[0]}"; then
        echo "error: the rate server did not start; its log is $log" >&2
        exit 1
    fi
    RATEPAD_SERVER_HOST="$(sed -E 's|.*http://([^/]+)/.*|\1|' <<<"$RATEPAD_SERVER_LINE")"
}

# The program and what it loads at run time (the modules are dependencies of its libraries), and the
# rate server it is started against.
RATEPAD_RUN_TARGETS=(ratepad ratepad-rate-server)
